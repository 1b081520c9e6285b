// The platform of the game benchmarks: files in a temporary working directory, every other
// call does nothing, so only the game's own work is measured.
#pragma once

#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class BenchPlatform : public Platform {
  public:
    QTemporaryDir dir;
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    Event nextEvent() override { return {}; }
    void waitNoMouseButton() override {}
    int messageBox(const QString&, const QString&, int defaultButton, MessageIcon) override {
        return defaultButton;
    }
    void runModal(QWidget*, QPoint, const std::function<bool()>&) override {}
    double now() override { return 0; }
    QString dateText() override { return {}; }
    void sleepMs(int) override {}
    void setPointer(PointerShape) override {}
    void beep() override {}
    void setMenuEnabled(bool) override {}
    void setMenuChecked(int, bool) override {}
    void setClockLabel(const QString&) override {}
    QString filePath(const QString& name) override { return path(name); }
    void openUrl(const QString&) override {}
    QWidget* mainWindow() override { return nullptr; }
};
