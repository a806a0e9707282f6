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

constexpr int NoColour = -1;
constexpr int ButtonTextColour = -2;

constexpr int Yellow = 0x0000FFFF;
constexpr int Blue = 0x00FF0000;
constexpr int Red = 0x000000FF;
constexpr int Cyan = 0x00FFFF00;
constexpr int Teal = 0x00C0C000;
constexpr int Purple = 0x00C000C0;

struct Control {
    const char* name;
    Kind kind;
    const char16_t* caption;
    int left, top, width, height; // twips
    const char* face;             // empty: the platform's default font
    double points;
    bool bold, italic;
    int foreground, background; // 0x00BBGGRR or NoColour / ButtonTextColour
    bool opaque, bordered, centred, autoSize;
    bool visible, enabled;
    int tabIndex; // -1: no place in the tab order
    const char16_t* toolTip;
    const char16_t* description; // what a screen reader says the control is
    bool iconPointer;            // the small icon-shaped mouse pointer
};

const std::vector<Control>& controls();

// Client area of the window, in twips.
constexpr int ClientWidth = 11880;
constexpr int ClientHeight = 8310;

inline const QString WindowCaption = QStringLiteral("Ventobaldo- Arrivo fino a 10000");
inline const QString MinimisedCaption = QStringLiteral("Corvalesta");

// Before the first round the window shows this dark colour.
constexpr int DesignBackground = 0x00402010;

// 15 twips a logical pixel.
int pixels(int twips);
QRect pixelRect(const Control& c);
QSize clientSize();

// 0x00BBGGRR to a colour.
QColor colour(int bgr);

// The design's faces mapped to Debian's metric-compatible fonts, sized in
// pixels at 96 dpi so the layout does not depend on the screen's dpi.
QFont font(const char* face, double points, bool bold, bool italic);

} // namespace design
