// Canvas: every drawing call of the program goes through this class, on the window's
// back buffer, a test image or a printer page. It keeps the system's drawing state
// (pen colour, background colour, line width, opaque or transparent text, font) exactly
// as the drawing routines leave it.
#pragma once

#include "platform/colours.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <vector>

class QPaintDevice;
class QPainter;

class Canvas {
  public:
    // The device must outlive the canvas (or be replaced with setDevice first).
    explicit Canvas(QPaintDevice* device = nullptr);
    void setDevice(QPaintDevice* device);
    QPaintDevice* device() const { return device_; }
    // Draws through an already active painter on the device instead of opening one per
    // call: a printer page must stay open from the first drawing call to the last.
    // nullptr returns to a painter per call.
    void setActivePainter(QPainter* painter) { activePainter_ = painter; }

    // The colour table with its roles, indexed by Colour: the colours of the current scheme.
    ColourTable colourTable{};
    QColor colour(Colour c) const { return colourTable[colourIndex(c)]; }
    // Another scheme: the table is replaced and, when the canvas records, the whole picture
    // is drawn again with every call in its role's new colour (calls given a plain RGB keep
    // it). The drawing state keeps its roles.
    void setColours(const ColourTable& table);

    // Drawing state.
    void setPenColour(Colour c);
    void setPenRGB(QColor colour);
    QColor penRGB() const { return pen_; }
    void setBackColour(Colour c);
    void setBackRGB(QColor colour);
    QColor backRGB() const { return back_; }
    void setLineWidth(int width) { lineWidth_ = width; }
    int lineWidth() const { return lineWidth_; }
    void setOpaqueText(bool opaque) { opaque_ = opaque; }
    bool opaqueText() const { return opaque_; }
    void setHatched(bool hatched) { hatched_ = hatched; } // fill style of filledBox
    bool hatched() const { return hatched_; }
    // The hatch lines of filledBox: colour and width in device pixels.
    void setHatchPen(QColor colour, int width) { hatchColour_ = colour, hatchWidth_ = width; }
    QColor hatchColour() const { return hatchColour_; }
    int hatchWidth() const { return hatchWidth_; }
    void setFont(const QFont& font) { font_ = font; }
    const QFont& font() const { return font_; }
    // Texts are clipped to this picture rectangle (an empty one: not clipped). A value or note
    // kept inside its cell's lines is gone with the next erase of the cell, in the recording too.
    void setTextClip(const QRect& clip) { textClip_ = clip; }

    // Primitives. Rectangles are given by two corners, both inclusive. Horizontal and
    // vertical lines of width w cover w pixels starting at the given coordinate
    // (to the right of a vertical line, below a horizontal one).
    void clear(Colour c);
    void line(int x1, int y1, int x2, int y2);
    void box(int x1, int y1, int x2, int y2); // outline in the pen colour
    void filledBox(int x1, int y1, int x2,
                   int y2); // interior in the background colour, outline in the pen colour
    void fillRect(int x1, int y1, int x2, int y2, QColor colour); // plain fill, no outline
    void fillRect(int x1, int y1, int x2, int y2, Colour c);
    // Text with its top-left corner at (x, y): opaque fills the text cell with the
    // background colour first; transparent paints only the glyphs.
    void text(int x, int y, const QString& text);

    // Screen images: capture the inclusive rectangle, paste with top-left at (x, y).
    QImage capture(int x1, int y1, int x2, int y2);
    void paste(const QImage& image, int x, int y);

    // Journal of drawn texts, for tests.
    struct TextRecord {
        QString text;
        int x, y;
        QColor colour;
        int fontPixelHeight;
    };
    bool keepJournal = false;
    std::vector<TextRecord> journal;
    // Texts drawn at exactly (x, y), newest last.
    std::vector<TextRecord> textsAt(int x, int y) const;

    // Called with the changed rectangle after every drawing call (the window repaints it).
    // The rectangle is in picture coordinates, whatever the view scale.
    std::function<void(QRect)> changed;

    // View scale: the picture (1052 x 787 for the window) is drawn onto the device at s
    // device-independent pixels per picture pixel, on top of the device's own pixel ratio.
    // Callers keep drawing in picture coordinates. Rectangles land on whole device pixels
    // (a line keeps at least one), text and slanted lines go through a painter transform,
    // so everything is drawn sharp at the device's resolution. Scale 1 draws as before.
    void setViewScale(qreal scale) { viewScale_ = scale; }
    qreal viewScale() const { return viewScale_; }
    // The device pixels that picture rectangle `rect` covers at the current scale.
    QRect deviceRect(const QRect& rect) const;

    // Recording: the canvas keeps the drawing calls that still show (a call whose whole
    // area later calls painted over is dropped) and redraws them with replay(), after
    // the device was replaced by one of another size or the view scale changed. Captured
    // images are taken again during a replay, so pasting one restores the pixels of the
    // new scale exactly.
    void setRecording(bool on);
    void replay();
    size_t recordedCalls() const { return ops_.size(); }
    bool inBatch() const { return batchDepth_ > 0; }

    // Batch mode: one painter stays open for many drawing calls (a full board redraw) and
    // the changed area is reported once at the end. Nests; see CanvasBatch.
    void beginBatch();
    void endBatch();

  private:
    // One recorded drawing call with the drawing state it used. Kept small and cheap to
    // build: a full redraw records a few thousand of them.
    struct Op {
        enum class Kind { Line, Box, FilledBox, FillRect, Text, Paste, Capture } kind;
        QRect area;  // picture pixels the call may change (or reads, for Capture)
        QRect cover; // picture pixels it paints over completely (may be empty)
        int x1, y1, x2, y2;
        QColor pen, back, fill;
        // The roles the colours were taken from (colourIndex), -1 for a plain RGB.
        qint8 penRole = -1, backRole = -1, fillRole = -1;
        int lineWidth;
        bool opaque, hatched;
        int font = -1; // index into fonts_ (texts only)
        QRect clip;    // the text clip (texts only)
        QString text;
        QImage image;         // a pasted image that is no snapshot
        quint64 snapshot = 0; // the snapshot a Capture takes or a Paste restores, else 0
    };
    // A captured image: the copy handed out (to notice when its holder lets it go) and its
    // pixels at the current scale.
    struct Snapshot {
        QImage handedOut;
        QImage pixels;
    };
    bool scaled() const { return viewScale_ != 1.0 && activePainter_ == nullptr; }
    // Below one device pixel per picture pixel a thin line may get a device pixel that also
    // belongs to the area beside it, and a call painting that area would wipe the line out.
    // There the lines drawn are kept (picture rectangle and colour, in drawing order) and
    // drawn again over the pixels of every later call beside them, so each line keeps its
    // device pixel; a call that paints over a line in picture coordinates takes that part
    // of it away, as it does at scale 1.
    struct KeptLine {
        QRect rect;
        QColor colour;
    };
    bool keepsLines() const;
    void addLine(const QRect& rect, const QColor& colour);
    void coverLines(const QRect& cover);
    void redrawLines(QPainter& p, const QRect& area) const;
    // The kept lines inside a captured rectangle travel with its image, so a paste puts them
    // back where it puts their pixels.
    QString linesIn(const QRect& rect) const;
    void restoreLines(const QImage& image, const QRect& target);
    qreal deviceRatio() const;
    // Where a picture rectangle lands in the painter's (device-independent) coordinates.
    QRectF place(const QRect& rect) const;
    void fill(QPainter& p, const QRect& rect, const QColor& colour) const;
    void fillRectIn(int x1, int y1, int x2, int y2, const QColor& colour, int role);
    QColor roleColour(int role, const QColor& rgb) const {
        return role >= 0 ? colourTable[static_cast<size_t>(role)] : rgb;
    }
    QImage grab(const QRect& rect) const;
    // Replaces the pixels of picture rectangle r by the image (at the current scale).
    void pasteInto(const QRect& r, const QImage& source);
    // A text set in the current font on the device: its width and its glyphs, laid out
    // once and drawn from then on without shaping it again. metrics() must have been called
    // for the current font first.
    struct Shaped {
        int advance = 0;
        QList<QGlyphRun> runs; // glyph positions relative to the baseline's start
        QRect ink;             // the glyphs' bounds from the text's top-left corner; empty: blanks
    };
    const Shaped& shaped(const QString& text);
    // The metrics of the current font on the device; makes its entry the current one.
    const QFontMetrics& metrics();
    // Appends a call with the current drawing state; the caller adds what only its kind has.
    Op& record(Op::Kind kind, const QRect& area, const QRect& cover, int x1, int y1, int x2,
               int y2);
    int fontIndex();
    void compact();
    void dropReleasedSnapshots();
    template <typename Fn> void paint(const QRect& dirty, Fn&& fn);
    qreal viewScale_ = 1.0;
    bool recording_ = false;
    bool replaying_ = false;
    std::vector<Op> ops_;
    std::vector<KeptLine> lines_;
    std::vector<QFont> fonts_;           // the distinct fonts of recorded texts
    std::vector<unsigned char> covered_; // compact()'s map of pixels, kept for the next run
    size_t compactAt_ = 4096;
    quint64 nextSnapshot_ = 1;
    std::map<quint64, Snapshot> snapshots_;
    QPaintDevice* device_ = nullptr;
    QPainter* activePainter_ = nullptr;
    QColor pen_{0, 0, 0};
    QColor back_{255, 255, 255};
    int penRole_ = -1, backRole_ = -1; // the roles of pen_ and back_, -1 for a plain RGB
    int lineWidth_ = 1;
    bool opaque_ = true;
    bool hatched_ = false;
    QColor hatchColour_{0, 0, 0};
    int hatchWidth_ = 1;
    QFont font_;
    QRect textClip_;
    // Per font used on the device: its metrics and the texts set in it. A board redraw sets
    // a few thousand digits in two fonts, and measuring and shaping each anew would cost as
    // much as drawing it.
    struct FontShapes {
        QFont font;
        QFontMetrics metrics;
        QHash<QString, Shaped> shapes;
    };
    std::vector<FontShapes> fontShapes_;
    size_t currentShapes_ = 0; // the entry of the font last used
    QPainter* batch_ = nullptr;
    int batchDepth_ = 0;
    QRect batchDirty_;
};

// Keeps a canvas in batch mode for the lifetime of the object.
class CanvasBatch {
  public:
    explicit CanvasBatch(Canvas& canvas) : canvas_(canvas) { canvas_.beginBatch(); }
    ~CanvasBatch() { canvas_.endBatch(); }
    CanvasBatch(const CanvasBatch&) = delete;
    CanvasBatch& operator=(const CanvasBatch&) = delete;

  private:
    Canvas& canvas_;
};
