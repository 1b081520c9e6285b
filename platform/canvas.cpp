// Canvas over QPainter. A painter is opened per drawing call, so the back buffer can be
// copied to the screen (or probed by a test) between any two calls.
#include "platform/canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

Canvas::Canvas(QPaintDevice* device) : device_(device) {}

void Canvas::setDevice(QPaintDevice* device) {
    device_ = device;
}

void Canvas::setPenColour(Colour c) {
    pen_ = colour(c);
}
void Canvas::setPenRGB(QColor colour) {
    pen_ = colour;
}
void Canvas::setBackColour(Colour c) {
    back_ = colour(c);
}
void Canvas::setBackRGB(QColor colour) {
    back_ = colour;
}

void Canvas::beginBatch() {
    if (batchDepth_++ > 0 || device_ == nullptr || activePainter_ != nullptr) return;
    batch_ = new QPainter(device_);
    batch_->setRenderHint(QPainter::Antialiasing, false);
    batchDirty_ = QRect();
}

void Canvas::endBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return;
    delete batch_;
    batch_ = nullptr;
    if (changed && !batchDirty_.isNull()) changed(batchDirty_);
}

template <typename Fn> void Canvas::paint(const QRect& dirty, Fn&& fn) {
    if (device_ == nullptr) return;
    if (activePainter_ != nullptr) {
        activePainter_->save();
        activePainter_->setRenderHint(QPainter::Antialiasing, false);
        fn(*activePainter_);
        activePainter_->restore();
    } else if (batch_ != nullptr) {
        fn(*batch_);
        batchDirty_ |= dirty;
        return;
    } else {
        QPainter painter(device_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        fn(painter);
    }
    if (changed) changed(dirty);
}

void Canvas::clear(Colour c) {
    const QColor fill = colour(c);
    if (device_ == nullptr) return;
    const QRect all(0, 0, device_->width(), device_->height());
    paint(all, [&](QPainter& p) { p.fillRect(all, fill); });
}

void Canvas::line(int x1, int y1, int x2, int y2) {
    const int w = std::max(1, lineWidth_);
    if (y1 == y2) {
        const QRect r(std::min(x1, x2), y1, std::abs(x2 - x1) + 1, w);
        paint(r, [&](QPainter& p) { p.fillRect(r, pen_); });
    } else if (x1 == x2) {
        const QRect r(x1, std::min(y1, y2), w, std::abs(y2 - y1) + 1);
        paint(r, [&](QPainter& p) { p.fillRect(r, pen_); });
    } else {
        const QRect r = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized().adjusted(-w, -w, w, w);
        paint(r, [&](QPainter& p) {
            p.setPen(QPen(pen_, w, Qt::SolidLine, Qt::SquareCap));
            p.drawLine(x1, y1, x2, y2);
        });
    }
}

void Canvas::box(int x1, int y1, int x2, int y2) {
    const QRect outer = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    const int w = std::max(1, lineWidth_);
    paint(outer.adjusted(0, 0, w, w), [&](QPainter& p) {
        const int l = outer.left(), t = outer.top(), r = outer.right(), b = outer.bottom();
        p.fillRect(QRect(l, t, r - l + 1, w), pen_); // top
        p.fillRect(QRect(l, b, r - l + w, w), pen_); // bottom
        p.fillRect(QRect(l, t, w, b - t + 1), pen_); // left
        p.fillRect(QRect(r, t, w, b - t + w), pen_); // right
    });
}

void Canvas::filledBox(int x1, int y1, int x2, int y2) {
    const QRect outer = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    paint(outer, [&](QPainter& p) {
        p.fillRect(outer, back_);
        if (hatched_) {
            p.save();
            p.setClipRect(outer);
            p.setPen(QPen(hatchColour_, std::max(1, hatchWidth_)));
            const int step = std::max(8, std::min(outer.width(), outer.height()) / 6);
            for (int k = -outer.height(); k < outer.width(); k += step)
                p.drawLine(outer.left() + k, outer.bottom(), outer.left() + k + outer.height(),
                           outer.top());
            p.restore();
        }
    });
    box(x1, y1, x2, y2);
}

void Canvas::fillRect(int x1, int y1, int x2, int y2, QColor colour) {
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    paint(r, [&](QPainter& p) { p.fillRect(r, colour); });
}

void Canvas::text(int x, int y, const QString& text) {
    if (keepJournal) journal.push_back({text, x, y, pen_, font_.pixelSize()});
    if (device_ == nullptr) return;
    const QFontMetrics metrics(font_, device_);
    const QRect cell(x, y, metrics.horizontalAdvance(text), metrics.height());
    paint(cell, [&](QPainter& p) {
        if (opaque_) p.fillRect(cell, back_);
        p.setFont(font_);
        p.setPen(pen_);
        p.drawText(x, y + metrics.ascent(), text);
    });
}

std::vector<Canvas::TextRecord> Canvas::textsAt(int x, int y) const {
    std::vector<TextRecord> found;
    for (const TextRecord& r : journal)
        if (r.x == x && r.y == y) found.push_back(r);
    return found;
}

QImage Canvas::capture(int x1, int y1, int x2, int y2) const {
    auto* image = dynamic_cast<QImage*>(device_);
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    if (image == nullptr) return QImage(r.size(), QImage::Format_RGB32);
    const qreal ratio = image->devicePixelRatio();
    QImage part = image->copy(QRect(r.topLeft() * ratio, r.size() * ratio));
    part.setDevicePixelRatio(ratio);
    return part;
}

void Canvas::paste(const QImage& image, int x, int y) {
    const QSize logical = (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
    const QRect r(QPoint(x, y), logical);
    paint(r, [&](QPainter& p) {
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(x, y), image);
        p.restore();
    });
}
