// Canvas over QPainter. A painter is opened per drawing call, so the back buffer can be
// copied to the screen (or probed by a test) between any two calls. At a view scale other
// than 1 picture coordinates are mapped to device pixels here; the recording of drawing
// calls lets the window redraw the picture at a new scale.
#include "platform/canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <set>
#include <cmath>

namespace {

// Metadata of captured images: the picture size they cover and their snapshot number.
const QString kPictureSizeKey = QStringLiteral("picture-size");
const QString kSnapshotKey = QStringLiteral("snapshot");
// The kept lines of a captured image (see Canvas::KeptLine), relative to its corner.
const QString kLinesKey = QStringLiteral("lines");

// The parts of a that b leaves free, appended to out (at most four rectangles).
void subtractRect(const QRect& a, const QRect& b, std::vector<QRect>& out) {
    const QRect i = a & b;
    if (i.isEmpty()) {
        out.push_back(a);
        return;
    }
    if (i.top() > a.top()) out.emplace_back(a.left(), a.top(), a.width(), i.top() - a.top());
    if (i.bottom() < a.bottom())
        out.emplace_back(a.left(), i.bottom() + 1, a.width(), a.bottom() - i.bottom());
    if (i.left() > a.left()) out.emplace_back(a.left(), i.top(), i.left() - a.left(), i.height());
    if (i.right() < a.right())
        out.emplace_back(i.right() + 1, i.top(), a.right() - i.right(), i.height());
}

QSize pictureSize(const QImage& image) {
    const QStringList wh = image.text(kPictureSizeKey).split(QLatin1Char('x'));
    if (wh.size() == 2) return {wh[0].toInt(), wh[1].toInt()};
    return (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
}

} // namespace

Canvas::Canvas(QPaintDevice* device) : device_(device) {}

void Canvas::setDevice(QPaintDevice* device) {
    device_ = device;
    lines_.clear();      // drawn again by a replay, if any
    fontShapes_.clear(); // another device may have another resolution
}

void Canvas::setPenColour(Colour c) {
    pen_ = colour(c);
    penRole_ = static_cast<int>(c);
}
void Canvas::setPenRGB(QColor colour) {
    pen_ = colour;
    penRole_ = -1;
}
void Canvas::setBackColour(Colour c) {
    back_ = colour(c);
    backRole_ = static_cast<int>(c);
}
void Canvas::setBackRGB(QColor colour) {
    back_ = colour;
    backRole_ = -1;
}

void Canvas::setColours(const ColourTable& table) {
    colourTable = table;
    pen_ = roleColour(penRole_, pen_);
    back_ = roleColour(backRole_, back_);
    if (!recording_ || device_ == nullptr || ops_.empty()) return;
    lines_.clear(); // drawn again by the replay
    replay();
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

qreal Canvas::deviceRatio() const {
    return device_ == nullptr ? viewScale_ : device_->devicePixelRatioF() * viewScale_;
}

QRect Canvas::deviceRect(const QRect& rect) const {
    if (!scaled()) {
        const qreal ratio = device_ == nullptr ? 1.0 : device_->devicePixelRatioF();
        return {rect.topLeft() * ratio, rect.size() * ratio};
    }
    // Each edge rounds to the nearest device pixel, as the painter rounds a filled
    // rectangle; a line keeps at least one device pixel at scales below 1, the one its
    // top-left edge rounds to. A rectangle ends no earlier than that pixel of its last
    // column and row, so that whatever covers a line's picture pixels also covers the
    // device pixel the line was given (a put-back background took the palette's frame
    // line along its bottom edge otherwise).
    const qreal r = deviceRatio();
    const auto end = [r](int first, int size) {
        const int last = first + std::max(size, 1) - 1;
        return std::max(static_cast<int>(qRound((first + size) * r)),
                        static_cast<int>(qRound(last * r)) + 1);
    };
    const int x1 = qRound(rect.left() * r), y1 = qRound(rect.top() * r);
    const int x2 = std::max(x1 + 1, end(rect.left(), rect.width()));
    const int y2 = std::max(y1 + 1, end(rect.top(), rect.height()));
    return {x1, y1, x2 - x1, y2 - y1};
}

QRectF Canvas::place(const QRect& rect) const {
    const QRect d = deviceRect(rect);
    const qreal dpr = device_ == nullptr ? 1.0 : device_->devicePixelRatioF();
    return {d.x() / dpr, d.y() / dpr, d.width() / dpr, d.height() / dpr};
}

void Canvas::fill(QPainter& p, const QRect& rect, const QColor& colour) const {
    if (scaled())
        p.fillRect(place(rect), colour);
    else
        p.fillRect(rect, colour);
}

void Canvas::clear(Colour c) {
    const QColor fillColour = colour(c);
    if (device_ == nullptr) return;
    if (recording_ && !replaying_) {
        ops_.clear(); // everything drawn so far is gone
        snapshots_.clear();
        fonts_.clear();
    }
    const QRect all(0, 0, device_->width(), device_->height());
    const qreal r = deviceRatio();
    const QRect picture(
        0, 0, static_cast<int>(std::ceil(device_->width() * device_->devicePixelRatioF() / r)),
        static_cast<int>(std::ceil(device_->height() * device_->devicePixelRatioF() / r)));
    lines_.clear();
    paint(scaled() ? picture : all, [&](QPainter& p) { p.fillRect(all, fillColour); });
    if (recording_ && !replaying_) {
        Op& op =
            record(Op::Kind::FillRect, picture, picture, 0, 0, picture.right(), picture.bottom());
        op.fill = fillColour;
        op.fillRole = static_cast<qint8>(c);
    }
}

void Canvas::line(int x1, int y1, int x2, int y2) {
    const int w = std::max(1, lineWidth_);
    if (y1 == y2 || x1 == x2) {
        const QRect r = y1 == y2 ? QRect(std::min(x1, x2), y1, std::abs(x2 - x1) + 1, w)
                                 : QRect(x1, std::min(y1, y2), w, std::abs(y2 - y1) + 1);
        paint(r, [&](QPainter& p) { fill(p, r, pen_); });
        addLine(r, pen_);
        if (recording_ && !replaying_) record(Op::Kind::Line, r, r, x1, y1, x2, y2);
        return;
    }
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized().adjusted(-w, -w, w, w);
    paint(r, [&](QPainter& p) {
        if (scaled()) p.setWorldTransform(QTransform::fromScale(viewScale_, viewScale_));
        p.setPen(QPen(pen_, w, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(x1, y1, x2, y2);
        if (scaled()) p.resetTransform();
    });
    if (recording_ && !replaying_) record(Op::Kind::Line, r, QRect(), x1, y1, x2, y2);
}

void Canvas::box(int x1, int y1, int x2, int y2) {
    const QRect outer = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    const int w = std::max(1, lineWidth_);
    const int l = outer.left(), t = outer.top(), r = outer.right(), b = outer.bottom();
    const QRect edges[4] = {
        QRect(l, t, r - l + 1, w), // top
        QRect(l, b, r - l + w, w), // bottom
        QRect(l, t, w, b - t + 1), // left
        QRect(r, t, w, b - t + w), // right
    };
    paint(outer.adjusted(0, 0, w, w), [&](QPainter& p) {
        for (const QRect& edge : edges) fill(p, edge, pen_);
    });
    for (const QRect& edge : edges) addLine(edge, pen_);
    if (recording_ && !replaying_)
        record(Op::Kind::Box, outer.adjusted(0, 0, w, w), QRect(), x1, y1, x2, y2);
}

void Canvas::filledBox(int x1, int y1, int x2, int y2) {
    const QRect outer = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    {
        // The box below records itself as a second call.
        coverLines(outer);
        paint(outer, [&](QPainter& p) {
            fill(p, outer, back_);
            redrawLines(p, outer);
            if (hatched_) {
                p.save();
                if (scaled()) p.setWorldTransform(QTransform::fromScale(viewScale_, viewScale_));
                p.setClipRect(outer);
                p.setPen(QPen(hatchColour_, std::max(1, hatchWidth_)));
                const int step = std::max(8, std::min(outer.width(), outer.height()) / 6);
                for (int k = -outer.height(); k < outer.width(); k += step)
                    p.drawLine(outer.left() + k, outer.bottom(), outer.left() + k + outer.height(),
                               outer.top());
                p.restore();
            }
        });
        if (recording_ && !replaying_) record(Op::Kind::FilledBox, outer, outer, x1, y1, x2, y2);
    }
    box(x1, y1, x2, y2);
}

void Canvas::fillRect(int x1, int y1, int x2, int y2, QColor colour) {
    fillRectIn(x1, y1, x2, y2, colour, -1);
}

void Canvas::fillRect(int x1, int y1, int x2, int y2, Colour c) {
    fillRectIn(x1, y1, x2, y2, colour(c), static_cast<int>(c));
}

void Canvas::fillRectIn(int x1, int y1, int x2, int y2, const QColor& colour, int role) {
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    coverLines(r);
    paint(r, [&](QPainter& p) {
        fill(p, r, colour);
        redrawLines(p, r);
    });
    if (recording_ && !replaying_) {
        Op& op = record(Op::Kind::FillRect, r, r, x1, y1, x2, y2);
        op.fill = colour;
        op.fillRole = static_cast<qint8>(role);
    }
}

void Canvas::text(int x, int y, const QString& text) {
    if (keepJournal && !replaying_) journal.push_back({text, x, y, pen_, font_.pixelSize()});
    if (device_ == nullptr) return;
    const QFontMetrics& fontMetrics = metrics();
    const Shaped& shape = shaped(text);
    const QRect cell(x, y, shape.advance, fontMetrics.height());
    // The glyphs' pixels, with a margin for the antialiased edges of a transparent text (an
    // opaque one fills its cell around them).
    const int margin = opaque_ ? 0 : 2;
    const QRect ink = shape.ink.isEmpty()
                          ? QRect()
                          : shape.ink.translated(x, y).adjusted(-margin, -margin, margin, margin);
    const QPointF baseline(x, y + fontMetrics.ascent());
    auto draw = [&](QPainter& p) {
        for (const QGlyphRun& run : shape.runs) p.drawGlyphRun(baseline, run);
    };
    const QRect clip = textClip_;
    const auto clipped = [&clip](const QRect& r) { return clip.isEmpty() ? r : r & clip; };
    if (opaque_) coverLines(clipped(cell));
    paint(clipped(cell | ink), [&](QPainter& p) {
        if (!clip.isEmpty()) {
            if (scaled())
                p.setClipRect(place(clip));
            else
                p.setClipRect(clip);
        }
        if (opaque_) fill(p, cell, back_);
        p.setFont(font_);
        p.setPen(pen_);
        if (scaled()) {
            p.setWorldTransform(QTransform::fromScale(viewScale_, viewScale_));
            draw(p);
            p.resetTransform();
        } else {
            draw(p);
        }
        if (!clip.isEmpty()) p.setClipping(false);
        if (scaled()) redrawLines(p, clipped(cell | ink).adjusted(-1, -1, 1, 1));
    });
    // A text is dropped from the recording once later calls painted over its glyphs (and over
    // its cell, if it filled it): a digit's text cell is taller than the board's cell, but its
    // glyph lies inside. A transparent text of blanks paints nothing and is not kept.
    const QRect area = clipped(opaque_ ? cell | ink : ink);
    if (recording_ && !replaying_ && !area.isEmpty()) {
        Op& op = record(Op::Kind::Text, area, opaque_ ? clipped(cell) : QRect(), x, y, 0, 0);
        op.font = fontIndex();
        op.text = text;
        op.clip = clip;
    }
}

const QFontMetrics& Canvas::metrics() {
    if (currentShapes_ >= fontShapes_.size() || !(fontShapes_[currentShapes_].font == font_)) {
        const auto known = std::find_if(fontShapes_.begin(), fontShapes_.end(),
                                        [this](const FontShapes& f) { return f.font == font_; });
        if (known != fontShapes_.end()) {
            currentShapes_ = static_cast<size_t>(known - fontShapes_.begin());
        } else {
            if (fontShapes_.size() >= 16) fontShapes_.clear();
            fontShapes_.push_back({font_, QFontMetrics(font_, device_), {}});
            currentShapes_ = fontShapes_.size() - 1;
        }
    }
    return fontShapes_[currentShapes_].metrics;
}

const Canvas::Shaped& Canvas::shaped(const QString& text) {
    const QFontMetrics& fontMetrics = fontShapes_[currentShapes_].metrics;
    QHash<QString, Shaped>& shapes = fontShapes_[currentShapes_].shapes;
    auto it = shapes.find(text);
    if (it == shapes.end()) {
        if (shapes.size() > 256) shapes.clear();
        Shaped shape;
        shape.advance = fontMetrics.horizontalAdvance(text);
        if (!text.trimmed().isEmpty())
            shape.ink = fontMetrics.boundingRect(text).translated(0, fontMetrics.ascent());
        QTextLayout layout(text, font_, device_);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        if (line.isValid()) {
            shape.runs = line.glyphRuns();
            for (QGlyphRun& run : shape.runs) {
                QList<QPointF> positions = run.positions();
                for (QPointF& pos : positions) pos.ry() -= line.ascent();
                run.setPositions(positions);
            }
        }
        it = shapes.insert(text, std::move(shape));
    }
    return *it;
}

std::vector<Canvas::TextRecord> Canvas::textsAt(int x, int y) const {
    std::vector<TextRecord> found;
    for (const TextRecord& r : journal)
        if (r.x == x && r.y == y) found.push_back(r);
    return found;
}

QImage Canvas::grab(const QRect& rect) const {
    auto* image = dynamic_cast<QImage*>(device_);
    if (image == nullptr) return QImage(rect.size(), QImage::Format_RGB32);
    QImage part = image->copy(deviceRect(rect));
    part.setDevicePixelRatio(scaled() ? deviceRatio() : image->devicePixelRatio());
    part.setText(kPictureSizeKey, QStringLiteral("%1x%2").arg(rect.width()).arg(rect.height()));
    if (keepsLines()) part.setText(kLinesKey, linesIn(rect));
    return part;
}

QImage Canvas::capture(int x1, int y1, int x2, int y2) {
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    QImage part = grab(r);
    if (recording_ && !replaying_) {
        dropReleasedSnapshots();
        const quint64 id = nextSnapshot_++;
        part.setText(kSnapshotKey, QString::number(id));
        snapshots_[id] = {part, part};
        record(Op::Kind::Capture, r, QRect(), x1, y1, x2, y2).snapshot = id;
    }
    return part;
}

void Canvas::pasteInto(const QRect& r, const QImage& source) {
    coverLines(r);
    restoreLines(source, r);
    paint(r, [&](QPainter& p) {
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Source);
        if (scaled())
            p.drawImage(place(r), source);
        else
            p.drawImage(r.topLeft(), source);
        p.restore();
        redrawLines(p, r);
    });
}

bool Canvas::keepsLines() const {
    return scaled() && deviceRatio() < 1.0;
}

void Canvas::addLine(const QRect& rect, const QColor& colour) {
    if (!keepsLines()) return;
    coverLines(rect);
    lines_.push_back({rect, colour});
}

void Canvas::coverLines(const QRect& cover) {
    if (lines_.empty() || cover.isEmpty() || !keepsLines()) return;
    const auto hit = std::find_if(lines_.begin(), lines_.end(), [&](const KeptLine& line) {
        return line.rect.intersects(cover);
    });
    if (hit == lines_.end()) return;
    // Rebuilt in order: the parts left of a line keep its place among the others.
    std::vector<KeptLine> kept(lines_.begin(), hit);
    kept.reserve(lines_.size() + 8);
    std::vector<QRect> parts;
    for (auto it = hit; it != lines_.end(); ++it) {
        if (!it->rect.intersects(cover)) {
            kept.push_back(*it);
            continue;
        }
        parts.clear();
        subtractRect(it->rect, cover, parts);
        for (const QRect& part : parts) kept.push_back({part, it->colour});
    }
    lines_ = std::move(kept);
}

void Canvas::redrawLines(QPainter& p, const QRect& area) const {
    if (lines_.empty() || !keepsLines()) return;
    const QRect painted = deviceRect(area);
    const qreal dpr = device_->devicePixelRatioF();
    for (const KeptLine& line : lines_) {
        // A quick test in picture coordinates first: a device pixel spans less than two
        // picture pixels here.
        if (!line.rect.intersects(area.adjusted(-2, -2, 2, 2))) continue;
        const QRect d = deviceRect(line.rect) & painted;
        if (!d.isEmpty())
            p.fillRect(QRectF(d.x() / dpr, d.y() / dpr, d.width() / dpr, d.height() / dpr),
                       line.colour);
    }
}

QString Canvas::linesIn(const QRect& rect) const {
    QString text;
    for (const KeptLine& line : lines_) {
        const QRect part = line.rect & rect;
        if (part.isEmpty()) continue;
        text += QStringLiteral("%1,%2,%3,%4,%5;")
                    .arg(part.x() - rect.x())
                    .arg(part.y() - rect.y())
                    .arg(part.width())
                    .arg(part.height())
                    .arg(line.colour.rgba());
    }
    return text;
}

void Canvas::restoreLines(const QImage& image, const QRect& target) {
    if (!keepsLines()) return;
    const QStringList lines = image.text(kLinesKey).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList f = line.split(QLatin1Char(','));
        if (f.size() != 5) continue;
        const QRect rect(target.x() + f[0].toInt(), target.y() + f[1].toInt(), f[2].toInt(),
                         f[3].toInt());
        lines_.push_back({rect & target, QColor::fromRgba(f[4].toUInt())});
    }
}

void Canvas::paste(const QImage& image, int x, int y) {
    const QRect r(QPoint(x, y), pictureSize(image));
    // A snapshot of this canvas is pasted from its pixels at the current scale.
    const quint64 id = recording_ ? image.text(kSnapshotKey).toULongLong() : 0;
    const auto found = snapshots_.find(id);
    const QImage& source = found != snapshots_.end() ? found->second.pixels : image;
    pasteInto(r, source);
    if (recording_ && !replaying_) {
        Op& op = record(Op::Kind::Paste, r, r, x, y, 0, 0);
        op.image = found != snapshots_.end() ? QImage() : image;
        op.snapshot = found != snapshots_.end() ? id : 0;
    }
}

void Canvas::setRecording(bool on) {
    recording_ = on;
    if (!on) {
        ops_.clear();
        snapshots_.clear();
        fonts_.clear();
    }
}

void Canvas::dropReleasedSnapshots() {
    // A snapshot whose holder let its copy go is never pasted again.
    for (auto it = snapshots_.begin(); it != snapshots_.end();)
        it = it->second.handedOut.isDetached() ? snapshots_.erase(it) : std::next(it);
}

Canvas::Op& Canvas::record(Op::Kind kind, const QRect& area, const QRect& cover, int x1, int y1,
                           int x2, int y2) {
    if (ops_.size() >= compactAt_) {
        compact();
        compactAt_ = std::max<size_t>(4096, 2 * ops_.size());
    }
    Op& op = ops_.emplace_back();
    op.kind = kind;
    op.area = area;
    op.cover = cover;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.pen = pen_;
    op.back = back_;
    op.penRole = static_cast<qint8>(penRole_);
    op.backRole = static_cast<qint8>(backRole_);
    op.lineWidth = lineWidth_;
    op.opaque = opaque_;
    op.hatched = hatched_;
    return op;
}

// The program uses a handful of fonts: texts refer to them by index instead of carrying
// a copy each.
int Canvas::fontIndex() {
    for (size_t i = fonts_.size(); i-- > 0;)
        if (fonts_[i] == font_) return static_cast<int>(i);
    fonts_.push_back(font_);
    return static_cast<int>(fonts_.size() - 1);
}

// Drops the calls whose whole area later calls painted over, walking backwards with a map
// of the picture pixels already decided by later calls. A capture still needed keeps what
// lies under it: the map forgets its area for the calls before it.
void Canvas::compact() {
    dropReleasedSnapshots();
    QRect bounds;
    for (const Op& op : ops_) bounds |= op.area;
    bounds &= QRect(0, 0, 4096, 4096);
    if (bounds.isEmpty()) return;
    const int w = bounds.width();
    std::vector<unsigned char>& decided = covered_;
    decided.assign(static_cast<size_t>(w) * static_cast<size_t>(bounds.height()), 0);
    auto rows = [&](QRect r, auto&& fn) {
        r &= bounds;
        if (r.isEmpty()) return true;
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (!fn(&decided[static_cast<size_t>(y - bounds.top()) * static_cast<size_t>(w) +
                             static_cast<size_t>(r.left() - bounds.left())],
                    static_cast<size_t>(r.width())))
                return false;
        return true;
    };
    std::set<quint64> needed;
    for (const auto& [id, snapshot] : snapshots_) needed.insert(id);
    std::vector<bool> keep(ops_.size(), true);
    for (size_t i = ops_.size(); i-- > 0;) {
        const Op& op = ops_[i];
        if (op.kind == Op::Kind::Capture) {
            keep[i] = needed.count(op.snapshot) > 0;
            if (keep[i])
                rows(op.area, [](unsigned char* p, size_t n) {
                    std::fill(p, p + n, 0);
                    return true;
                });
            continue;
        }
        const bool hidden = rows(op.area, [](unsigned char* p, size_t n) {
            return std::all_of(p, p + n, [](unsigned char c) { return c != 0; });
        });
        if (hidden && !op.area.isEmpty()) {
            keep[i] = false;
            continue;
        }
        if (op.kind == Op::Kind::Paste && op.snapshot != 0) needed.insert(op.snapshot);
        if (!op.cover.isEmpty())
            rows(op.cover, [](unsigned char* p, size_t n) {
                std::fill(p, p + n, 1);
                return true;
            });
    }
    // In place, so the vector keeps its capacity for the calls still to come.
    size_t kept = 0;
    for (size_t i = 0; i < ops_.size(); ++i)
        if (keep[i]) {
            if (kept != i) ops_[kept] = std::move(ops_[i]);
            ++kept;
        }
    ops_.erase(ops_.begin() + static_cast<std::ptrdiff_t>(kept), ops_.end());
}

void Canvas::replay() {
    if (device_ == nullptr) return;
    const QColor pen = pen_, back = back_;
    const int penRole = penRole_, backRole = backRole_;
    const int lineWidth = lineWidth_;
    const bool opaque = opaque_, hatched = hatched_;
    const QFont font = font_;
    const QRect textClip = textClip_;
    replaying_ = true;
    // Pastes during the replay take the snapshots' pixels as they are taken again here.
    std::map<quint64, QImage> retaken;
    beginBatch();
    for (const Op& op : ops_) {
        // Each call in its role's colour of the current table.
        pen_ = roleColour(op.penRole, op.pen);
        back_ = roleColour(op.backRole, op.back);
        penRole_ = op.penRole;
        backRole_ = op.backRole;
        lineWidth_ = op.lineWidth;
        opaque_ = op.opaque;
        hatched_ = op.hatched;
        switch (op.kind) {
        case Op::Kind::Line:
            line(op.x1, op.y1, op.x2, op.y2);
            break;
        case Op::Kind::Box:
            box(op.x1, op.y1, op.x2, op.y2);
            break;
        case Op::Kind::FilledBox: {
            // Only the filling: the outline is a recorded box of its own.
            const QRect outer = op.area;
            coverLines(outer);
            paint(outer, [&](QPainter& p) {
                fill(p, outer, back_);
                redrawLines(p, outer);
            });
            if (hatched_) {
                // Rare (printouts): draw the whole box again, outline included.
                filledBox(op.x1, op.y1, op.x2, op.y2);
            }
            break;
        }
        case Op::Kind::FillRect:
            fillRectIn(op.x1, op.y1, op.x2, op.y2, roleColour(op.fillRole, op.fill), op.fillRole);
            break;
        case Op::Kind::Text:
            font_ = fonts_[static_cast<size_t>(op.font)];
            textClip_ = op.clip;
            text(op.x1, op.y1, op.text);
            break;
        case Op::Kind::Capture: {
            QImage part = grab(op.area);
            part.setText(kSnapshotKey, QString::number(op.snapshot));
            retaken[op.snapshot] = part;
            const auto it = snapshots_.find(op.snapshot);
            if (it != snapshots_.end()) it->second.pixels = part;
            break;
        }
        case Op::Kind::Paste: {
            const auto it = retaken.find(op.snapshot);
            const QImage& source = it != retaken.end() ? it->second : op.image;
            pasteInto(op.area, source);
            break;
        }
        }
    }
    endBatch();
    replaying_ = false;
    penRole_ = penRole;
    backRole_ = backRole;
    pen_ = roleColour(penRole, pen);
    back_ = roleColour(backRole, back);
    lineWidth_ = lineWidth;
    opaque_ = opaque;
    hatched_ = hatched;
    font_ = font;
    textClip_ = textClip;
}
