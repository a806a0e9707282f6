#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

// The window as designed: every control with its design values, in twips and
// 0x00BBGGRR colours as the design gives them.
namespace design {

enum class Kind { Label, TextBox, Button, Image };
// How an auto-sized label grows as its caption widens.
enum class Growth { FromLeft, AroundCentre };

// The room a caption of any length may take beyond its designed width: from
// after another control (or its own left) to before another control, or to
// the scene's edge, on this many lines.
struct Room {
    const char* after = nullptr;
    const char* before = nullptr;
    bool toEdge = false;
    int lines = 1;
    bool any() const { return after || before || toEdge; }
};

constexpr int NoColour = -1;
constexpr int ButtonTextColour = -2;

constexpr int Yellow = 0x0000FFFF;
constexpr int Blue = 0x00FF0000;
constexpr int Red = 0x000000FF;
constexpr int Cyan = 0x00FFFF00;
constexpr int Teal = 0x00C0C000;
constexpr int Purple = 0x00C000C0;

// One control as designed; what a row leaves out is the default below.
// What a screen reader says a control is. Where it reads as a caption
// does, the disambiguation lets a language word the two differently.
struct Description {
    const char* source = "";
    const char* disambiguation = nullptr;
    constexpr Description() = default;
    constexpr Description(const char* text) : source(text) {}
    constexpr Description(const char* text, const char* which) : source(text), disambiguation(which) {}
};

struct Control {
    const char* name;
    Kind kind;
    const char* caption = "";                     // UTF-8, as are the texts below
    int left = 0, top = 0, width = 0, height = 0; // twips
    const char* face = "";                        // empty: the platform's default font
    double points = 0;
    bool bold = false, italic = false;
    int foreground = NoColour, background = NoColour; // 0x00BBGGRR or NoColour / ButtonTextColour
    bool opaque = false, bordered = false, centred = false, autoSize = false;
    bool visible = true, enabled = true;
    int tabIndex = -1; // -1: no place in the tab order
    const char* toolTip = nullptr;
    Description description;      // what a screen reader says the control is
    bool iconPointer = false;     // the small icon-shaped mouse pointer
    Growth growth = Growth::FromLeft;
    Room room = {};
    // The picture a button or image shows (pictures.qrc), a button's when
    // disabled and when pressed; a button without one is a plain button.
    const char* picture = nullptr;
    const char* pictureDisabled = nullptr;
    const char* picturePressed = nullptr;
};

const std::vector<Control>& controls();

// Client area of the window, in twips.
constexpr int ClientWidth = 11880;
constexpr int ClientHeight = 8310;

// The texts of the design are translated in the context "design".
QString text(const char* source);
QString text(const Description& description);
// The title, which says how far the numbers go: the design's own for the
// default range.
QString windowCaption(int upTo = 10000);
inline const QString MinimisedCaption = QStringLiteral("Corvalesta");

// Before the first round the window shows this dark colour.
constexpr int DesignBackground = 0x00402010;

// The one place where twips become pixels: 15 twips a logical pixel at the
// design size, times the scene's zoom.
int pixels(int twips, double zoom = 1.0);
QRect pixelRect(const Control& c, double zoom = 1.0);
QSize clientSize(double zoom = 1.0);
// The largest zoom at which the designed client area fits this size.
double zoomToFit(const QSize& available);

// 0x00BBGGRR to a colour.
QColor colour(int bgr);

// The design's faces mapped to Debian's metric-compatible fonts, sized in
// pixels at 96 dpi so the layout does not depend on the screen's dpi.
QFont font(const char* face, double points, bool bold, bool italic, double zoom = 1.0);

} // namespace design
