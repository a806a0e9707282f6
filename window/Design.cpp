#include "Design.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace design {

namespace {

using K = Kind;
constexpr bool Y = true;
constexpr bool N = false;
constexpr const char* SansSerif = "MS Sans Serif";

// clang-format off
const std::vector<Control> table = {
    {.name = "lblNum1", .kind = K::Label, .caption = "",
     .left = 2880, .top = 120, .width = 495, .height = 1725,
     .face = "Arial", .points = 72, .bold = Y, .foreground = Blue, .background = Yellow,
     .opaque = Y, .bordered = Y, .centred = Y, .autoSize = Y,
     .tabIndex = 5, .description = QT_TRANSLATE_NOOP("design", "Numero da completare"),
     // The round's number grows both ways, never under the "+".
     .growth = Growth::AroundCentre},
    {.name = "Label2", .kind = K::Label, .caption = "+",
     .left = 5040, .top = 240, .width = 615, .height = 1455,
     .face = "Arial", .points = 72, .foreground = Yellow,
     .centred = Y,
     .tabIndex = 6, .description = QT_TRANSLATE_NOOP("design", "Segno più")},
    {.name = "Label7", .kind = K::Label, .caption = "1",
     .left = 6120, .top = 120, .width = 855, .height = 1695,
     .face = "Arial", .points = 72, .bold = Y, .foreground = Blue, .background = Yellow,
     .opaque = Y, .bordered = Y, .centred = Y,
     .tabIndex = 24, .description = QT_TRANSLATE_NOOP("design", "Numero da aggiungere")},
    {.name = "Label4", .kind = K::Label, .caption = "=",
     .left = 7200, .top = 0, .width = 615, .height = 1575,
     .face = "Arial", .points = 72, .bold = Y, .foreground = Yellow,
     .centred = Y,
     .tabIndex = 7, .description = QT_TRANSLATE_NOOP("design", "Segno uguale")},
    {.name = "txtAnswer", .kind = K::TextBox, .caption = "",
     .left = 8160, .top = 0, .width = 3375, .height = 1770,
     .face = "Arial", .points = 72, .bold = Y, .foreground = Blue, .background = Yellow,
     .opaque = Y,
     //: The answer box's tooltip; the double blanks are the design's.
     .tabIndex = 8, .toolTip = QT_TRANSLATE_NOOP("design", "Inserisci il risultato e  premi il tasto  Invio"), .description = QT_TRANSLATE_NOOP("design", "Scrivi qui il risultato e premi Invio")},
    {.name = "lblNum2", .kind = K::Label, .caption = "",
     .left = 4440, .top = 1680, .width = 585, .height = 825,
     .face = "Arial", .points = 48, .bold = Y, .foreground = Blue, .background = Yellow,
     .opaque = Y, .bordered = Y, .centred = Y, .autoSize = Y, .visible = N,
     .tabIndex = 10, .description = QT_TRANSLATE_NOOP("design", "Numero nascosto")},
    {.name = "lblMessage", .kind = K::Label, .caption = "",
     .left = 1680, .top = 2040, .width = 6615, .height = 615,
     .face = SansSerif, .points = 24, .bold = Y, .italic = Y, .foreground = Red,
     .centred = Y,
     .tabIndex = 1, .description = QT_TRANSLATE_NOOP("design", "Risposta del gioco"), .iconPointer = Y,
     // The praise has the width between the clock and the scene's edge, and two lines.
     .room = {.after = "lblconto", .toEdge = Y, .lines = 2}},
    {.name = "Label5", .kind = K::Label, .caption = "",
     .left = 2040, .top = 2160, .width = 6615, .height = 615,
     .face = SansSerif, .points = 24, .bold = Y, .italic = Y, .foreground = Red,
     .centred = Y,
     //: An empty line under the game's reply, which a screen reader meets.
     .tabIndex = 17, .description = QT_TRANSLATE_NOOP("design", "Riga vuota"), .iconPointer = Y},
    {.name = "Label6", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("design", "Risposte esatte"),
     .left = 240, .top = 3360, .width = 2565, .height = 495,
     .face = SansSerif, .points = 18, .foreground = Cyan,
     .bordered = Y, .centred = Y, .autoSize = Y,
     .tabIndex = 9, .description = QT_TRANSLATE_NOOP("design", "Titolo delle risposte esatte")},
    {.name = "lblScore", .kind = K::Label, .caption = "0",
     .left = 1080, .top = 4080, .width = 555, .height = 885,
     .face = "Times New Roman", .points = 36, .bold = Y, .foreground = ButtonTextColour,
     .bordered = Y, .centred = Y, .autoSize = Y,
     //: The score's tooltip: "try to beat the record"; the double blank is the design's.
     .tabIndex = 4, .toolTip = QT_TRANSLATE_NOOP("design", "Questo è il tuo punteggio. Forza con il  record"), .description = QT_TRANSLATE_NOOP3("design", "Risposte esatte", "description")},
    {.name = "Label1", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("design", "Risposte errate"),
     .left = 3840, .top = 3360, .width = 2520, .height = 495,
     .face = SansSerif, .points = 18, .foreground = Red,
     .bordered = Y, .autoSize = Y,
     .tabIndex = 12, .description = QT_TRANSLATE_NOOP("design", "Titolo delle risposte errate")},
    {.name = "lblScore1", .kind = K::Label, .caption = "0",
     .left = 4830, .top = 4080, .width = 540, .height = 885,
     .face = "Times New Roman", .points = 36, .bold = Y, .foreground = Red,
     .bordered = Y, .centred = Y, .autoSize = Y,
     .tabIndex = 3, .description = QT_TRANSLATE_NOOP3("design", "Risposte errate", "description")},
    {.name = "Label3", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("design", "Risposte totali"),
     .left = 7440, .top = 3360, .width = 2340, .height = 495,
     .face = SansSerif, .points = 18, .foreground = Blue,
     .bordered = Y, .autoSize = Y,
     .tabIndex = 13, .description = QT_TRANSLATE_NOOP("design", "Titolo delle risposte totali")},
    {.name = "lblScore2", .kind = K::Label, .caption = "0",
     .left = 8310, .top = 4080, .width = 555, .height = 885,
     .face = "Times New Roman", .points = 36, .bold = Y, .foreground = Blue,
     .bordered = Y, .centred = Y, .autoSize = Y,
     .tabIndex = 11, .description = QT_TRANSLATE_NOOP3("design", "Risposte totali", "description")},
    {.name = "Label11", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("design", "Tempo restante"),
     .left = 0, .top = 1320, .width = 1575, .height = 375,
     .face = SansSerif, .points = 9.75, .foreground = Yellow,
     .tabIndex = 15, .description = QT_TRANSLATE_NOOP("design", "Titolo del tempo")},
    {.name = "Image1", .kind = K::Image, .caption = "",
     .left = 480, .top = 1680, .width = 480, .height = 480,
     .toolTip = QT_TRANSLATE_NOOP("design", "Clicca sotto di me per impostare il Timer"), .description = QT_TRANSLATE_NOOP("design", "Orologio"),
     .picture = "orologio"},
    {.name = "lblconto", .kind = K::Label, .caption = "00.00.00",
     .left = 0, .top = 2280, .width = 1575, .height = 495,
     .face = "Arial Black", .points = 12, .bold = Y, .foreground = Yellow,
     .bordered = Y,
     .tabIndex = 16, .description = QT_TRANSLATE_NOOP3("design", "Tempo restante", "description")},
    {.name = "Label14", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("design", "Sfidante"),
     .left = 720, .top = 5520, .width = 1425, .height = 420,
     .face = SansSerif, .points = 13.5, .foreground = Cyan,
     .bordered = Y, .centred = Y, .autoSize = Y,
     .tabIndex = 18, .description = QT_TRANSLATE_NOOP("design", "Titolo del nome del giocatore")},
    {.name = "lblnome1", .kind = K::Label, .caption = "",
     .left = 240, .top = 6480, .width = 165, .height = 420,
     .face = SansSerif, .points = 13.5, .bold = Y, .foreground = Cyan,
     .bordered = Y, .autoSize = Y,
     .tabIndex = 19, .description = QT_TRANSLATE_NOOP("design", "Nome del giocatore"),
     .room = {.toEdge = Y}},
    //: Runs on into the holder's name; the blanks are the design's.
    {.name = "Label12", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("design", "Il record  è di "),
     .left = 120, .top = 7560, .width = 3255, .height = 615,
     .face = SansSerif, .points = 24, .foreground = Yellow,
     .tabIndex = 20, .description = QT_TRANSLATE_NOOP("design", "Il record è di")},
    {.name = "lblnome", .kind = K::Label, .caption = "nome",
     .left = 3120, .top = 7560, .width = 1275, .height = 555,
     .face = SansSerif, .points = 24, .bold = Y, .foreground = Yellow,
     .autoSize = Y,
     .tabIndex = 21, .description = QT_TRANSLATE_NOOP("design", "Nome di chi ha il record"),
     .room = {.before = "Label13"}},
    {.name = "Label13", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("design", "con punti"),
     .left = 7680, .top = 7560, .width = 1965, .height = 555,
     .face = SansSerif, .points = 24, .foreground = Yellow,
     .autoSize = Y,
     .tabIndex = 22, .description = QT_TRANSLATE_NOOP3("design", "con punti", "description")},
    {.name = "lblpunti", .kind = K::Label, .caption = "0",
     .left = 10080, .top = 7560, .width = 270, .height = 555,
     .face = SansSerif, .points = 24, .foreground = Yellow,
     .autoSize = Y,
     .tabIndex = 23, .description = QT_TRANSLATE_NOOP("design", "Punti del record")},
    //: The button for the next sum; & marks the letter that works with Alt.
    {.name = "cmdNext", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("design", "&Nuovo calcolo"),
     .left = 4200, .top = 5280, .width = 1815, .height = 1095,
     .face = SansSerif, .points = 8.25, .bold = Y, .background = Teal,
     .opaque = Y, .centred = Y, .enabled = N,
     //: The next button's tooltip: the design has it in English.
     .tabIndex = 2, .toolTip = QT_TRANSLATE_NOOP("design", "Go"), .description = QT_TRANSLATE_NOOP("design", "Passa al prossimo calcolo"), .iconPointer = Y,
     .picture = "avanti", .pictureDisabled = "avanti-spento", .picturePressed = "avanti-premuto"},
    //: The button that ends the game, in English in the design; & marks the letter that works with Alt.
    {.name = "cmdExit", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("design", "E&xit"),
     .left = 7680, .top = 5280, .width = 2055, .height = 1095,
     .face = SansSerif, .points = 8.25, .bold = Y, .background = Purple,
     .opaque = Y, .centred = Y,
     //: The exit button teases the child; the blank at the end is the design's.
     .tabIndex = 0, .toolTip = QT_TRANSLATE_NOOP("design", "Ti prego resta ancora, forse riuscirai a farmi uscire "), .description = QT_TRANSLATE_NOOP("design", "Esci dal gioco e registra il record"),
     .picture = "uscita"},
    {.name = "Command1", .kind = K::Button, .caption = "Command1",
     .left = 4680, .top = 5640, .width = 855, .height = 615,
     .opaque = Y, .centred = Y,
     .tabIndex = 14, .description = QT_TRANSLATE_NOOP("design", "Pulsante senza azione")},
};
// clang-format on

} // namespace

QString text(const char* source)
{
    return QCoreApplication::translate("design", source);
}

QString text(const Description& description)
{
    return QCoreApplication::translate("design", description.source, description.disambiguation);
}

QString windowCaption(int upTo)
{
    if (upTo == 10000)
        //: The window's title: the game's name, then "I count up to 10000".
        return text(QT_TRANSLATE_NOOP("design", "Ventobaldo- Arrivo fino a 10000"));
    //: The window's title for a smaller range: %1 is the highest answer (10, 20, 100, 1000).
    return QCoreApplication::translate("design", "Ventobaldo- Arrivo fino a %1").arg(upTo);
}

const std::vector<Control>& controls()
{
    return table;
}

int pixels(int twips, double zoom)
{
    return int(std::lround(twips * zoom / 15.0));
}

QRect pixelRect(const Control& c, double zoom)
{
    return QRect(pixels(c.left, zoom), pixels(c.top, zoom), pixels(c.width, zoom),
                 pixels(c.height, zoom));
}

QSize clientSize(double zoom)
{
    return QSize(pixels(ClientWidth, zoom), pixels(ClientHeight, zoom));
}

double zoomToFit(const QSize& available)
{
    const QSize design = clientSize();
    return std::min(double(available.width()) / design.width(),
                    double(available.height()) / design.height());
}

QColor colour(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QFont font(const char* face, double points, bool bold, bool italic, double zoom)
{
    static const QHash<QString, QString> families = {
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
    };
    const QString name = QString::fromLatin1(face);
    QFont f;
    // Letters Liberation lacks come from the fonts the package brings for
    // them, not from whatever the computer has.
    f.setFamilies({families.value(name, QStringLiteral("Liberation Sans")),
                   QStringLiteral("Noto Sans Arabic UI"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0 * zoom))));
    f.setWeight(name == QLatin1String("Arial Black") ? QFont::Black
                : bold                               ? QFont::Bold
                                                     : QFont::Normal);
    f.setItalic(italic);
    return f;
}

} // namespace design
