// Canvas: every drawing call of the program goes through this class, on the window's
// back buffer, a test image or a printer page. It keeps the system's drawing state
// (pen colour, background colour, line width, opaque or transparent text, font) exactly
// as the drawing routines leave it.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QPaintDevice;
class QPainter;

// Indices into the 16-entry colour table (filled at start: app/screen.cpp fillColourTable).
enum class Colour {
    Black = 0,
    DarkRed = 1, // (208, 0, 0): shared-box outlines, hot-key letters
    Green = 2,
    Yellow = 3,
    Blue = 4, // (0, 0, 188): box lines
    Purple = 5,
    Teal = 6,
    LightGrey = 7, // (192, 192, 192)
    DarkGrey = 8,  // (64, 64, 64): shaded frame edges
    Red = 9,       // (255, 0, 0): wrong verdicts
    Lime = 10,
    BrightYellow = 11,
    WindowBackground = 12, // (180, 201, 208)
    Magenta = 13,
    Cyan = 14,
    White = 15,
};

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

    // The 16-entry colour table, indexed by Colour.
    std::array<QColor, 16> colourTable{};
    QColor colour(Colour c) const { return colourTable[static_cast<size_t>(c)]; }

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

    // Primitives. Rectangles are given by two corners, both inclusive. Horizontal and
    // vertical lines of width w cover w pixels starting at the given coordinate
    // (to the right of a vertical line, below a horizontal one).
    void clear(Colour c);
    void line(int x1, int y1, int x2, int y2);
    void box(int x1, int y1, int x2, int y2); // outline in the pen colour
    void filledBox(int x1, int y1, int x2,
                   int y2); // interior in the background colour, outline in the pen colour
    void fillRect(int x1, int y1, int x2, int y2, QColor colour); // plain fill, no outline
    // Text with its top-left corner at (x, y): opaque fills the text cell with the
    // background colour first; transparent paints only the glyphs.
    void text(int x, int y, const QString& text);

    // Screen images: capture the inclusive rectangle, paste with top-left at (x, y).
    QImage capture(int x1, int y1, int x2, int y2) const;
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
    std::function<void(QRect)> changed;

    // Batch mode: one painter stays open for many drawing calls (a full board redraw) and
    // the changed area is reported once at the end. Nests; see CanvasBatch.
    void beginBatch();
    void endBatch();

  private:
    template <typename Fn> void paint(const QRect& dirty, Fn&& fn);
    QPaintDevice* device_ = nullptr;
    QPainter* activePainter_ = nullptr;
    QColor pen_{0, 0, 0};
    QColor back_{255, 255, 255};
    int lineWidth_ = 1;
    bool opaque_ = true;
    bool hatched_ = false;
    QColor hatchColour_{0, 0, 0};
    int hatchWidth_ = 1;
    QFont font_;
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
