#include "Design.h"

#include <QHash>
#include <cmath>

namespace design {

namespace {

using K = Kind;
constexpr int None = NoColour;
constexpr bool Y = true;
constexpr bool N = false;
constexpr const char* SansSerif = "MS Sans Serif";

// clang-format off
const std::vector<Control> table = {
//  name          kind       caption                  left   top   width height face            pt    bold ital fore        back    opq bord cent auto vis ena tab tooltip description pointer
    {"lblNum1",   K::Label,  u"",                     2880,  120,  495, 1725, "Arial",         72,   Y, N, Blue,   Yellow, Y, Y, Y, Y, Y, Y,  5, nullptr, u"Numero da completare", N},
    {"Label2",    K::Label,  u"+",                    5040,  240,  615, 1455, "Arial",         72,   N, N, Yellow, None,   N, N, Y, N, Y, Y,  6, nullptr, u"Segno più", N},
    {"Label7",    K::Label,  u"1",                    6120,  120,  855, 1695, "Arial",         72,   Y, N, Blue,   Yellow, Y, Y, Y, N, Y, Y, 24, nullptr, u"Numero da aggiungere", N},
    {"Label4",    K::Label,  u"=",                    7200,    0,  615, 1575, "Arial",         72,   Y, N, Yellow, None,   N, N, Y, N, Y, Y,  7, nullptr, u"Segno uguale", N},
    {"txtAnswer", K::TextBox,u"",                     8160,    0, 3375, 1770, "Arial",         72,   Y, N, Blue,   Yellow, Y, N, N, N, Y, Y,  8,
        u"Inserisci il risultato e  premi il tasto  Invio", u"Scrivi qui il risultato e premi Invio", N},
    {"lblNum2",   K::Label,  u"",                     4440, 1680,  585,  825, "Arial",         48,   Y, N, Blue,   Yellow, Y, Y, Y, Y, N, Y, 10, nullptr, u"Numero nascosto", N},
    {"lblMessage",K::Label,  u"",                     1680, 2040, 6615,  615, SansSerif,       24,   Y, Y, Red,    None,   N, N, Y, N, Y, Y,  1, nullptr, u"Risposta del gioco", Y},
    {"Label5",    K::Label,  u"",                     2040, 2160, 6615,  615, SansSerif,       24,   Y, Y, Red,    None,   N, N, Y, N, Y, Y, 17, nullptr, u"Riga vuota", Y},
    {"Label6",    K::Label,  u"Risposte esatte",       240, 3360, 2565,  495, SansSerif,       18,   N, N, Cyan,   None,   N, Y, Y, Y, Y, Y,  9, nullptr, u"Titolo delle risposte esatte", N},
    {"lblScore",  K::Label,  u"0",                    1080, 4080,  555,  885, "Times New Roman", 36, Y, N, ButtonTextColour, None, N, Y, Y, Y, Y, Y, 4,
        u"Questo è il tuo punteggio. Forza con il  record", u"Risposte esatte", N},
    {"Label1",    K::Label,  u"Risposte errate",      3840, 3360, 2520,  495, SansSerif,       18,   N, N, Red,    None,   N, Y, N, Y, Y, Y, 12, nullptr, u"Titolo delle risposte errate", N},
    {"lblScore1", K::Label,  u"0",                    4830, 4080,  540,  885, "Times New Roman", 36, Y, N, Red,    None,   N, Y, Y, Y, Y, Y,  3, nullptr, u"Risposte errate", N},
    {"Label3",    K::Label,  u"Risposte totali",      7440, 3360, 2340,  495, SansSerif,       18,   N, N, Blue,   None,   N, Y, N, Y, Y, Y, 13, nullptr, u"Titolo delle risposte totali", N},
    {"lblScore2", K::Label,  u"0",                    8310, 4080,  555,  885, "Times New Roman", 36, Y, N, Blue,   None,   N, Y, Y, Y, Y, Y, 11, nullptr, u"Risposte totali", N},
    {"Label11",   K::Label,  u"Tempo restante",          0, 1320, 1575,  375, SansSerif,     9.75,   N, N, Yellow, None,   N, N, N, N, Y, Y, 15, nullptr, u"Titolo del tempo", N},
    {"Image1",    K::Image,  u"",                      480, 1680,  480,  480, "",               0,   N, N, None,   None,   N, N, N, N, Y, Y, -1,
        u"Clicca sotto di me per impostare il Timer", u"Orologio", N},
    {"lblconto",  K::Label,  u"00.00.00",                0, 2280, 1575,  495, "Arial Black",   12,   Y, N, Yellow, None,   N, Y, N, N, Y, Y, 16, nullptr, u"Tempo restante", N},
    {"Label14",   K::Label,  u"Sfidante",              720, 5520, 1425,  420, SansSerif,     13.5,   N, N, Cyan,   None,   N, Y, Y, Y, Y, Y, 18, nullptr, u"Titolo del nome del giocatore", N},
    {"lblnome1",  K::Label,  u"",                      240, 6480,  165,  420, SansSerif,     13.5,   Y, N, Cyan,   None,   N, Y, N, Y, Y, Y, 19, nullptr, u"Nome del giocatore", N},
    {"Label12",   K::Label,  u"Il record  è di ",      120, 7560, 3255,  615, SansSerif,       24,   N, N, Yellow, None,   N, N, N, N, Y, Y, 20, nullptr, u"Il record è di", N},
    {"lblnome",   K::Label,  u"nome",                 3120, 7560, 1275,  555, SansSerif,       24,   Y, N, Yellow, None,   N, N, N, Y, Y, Y, 21, nullptr, u"Nome di chi ha il record", N},
    {"Label13",   K::Label,  u"con punti",            7680, 7560, 1965,  555, SansSerif,       24,   N, N, Yellow, None,   N, N, N, Y, Y, Y, 22, nullptr, u"con punti", N},
    {"lblpunti",  K::Label,  u"0",                   10080, 7560,  270,  555, SansSerif,       24,   N, N, Yellow, None,   N, N, N, Y, Y, Y, 23, nullptr, u"Punti del record", N},
    {"cmdNext",   K::Button, u"&Nuovo calcolo",       4200, 5280, 1815, 1095, SansSerif,     8.25,   Y, N, None,   Teal,   Y, N, Y, N, Y, N,  2, u"Go", u"Passa al prossimo calcolo", Y},
    {"cmdExit",   K::Button, u"E&xit",                7680, 5280, 2055, 1095, SansSerif,     8.25,   Y, N, None,   Purple, Y, N, Y, N, Y, Y,  0,
        u"Ti prego resta ancora, forse riuscirai a farmi uscire ", u"Esci dal gioco e registra il record", N},
    {"Command1",  K::Button, u"Command1",             4680, 5640,  855,  615, "",               0,   N, N, None,   None,   Y, N, Y, N, Y, Y, 14, nullptr, u"Pulsante senza azione", N},
};
// clang-format on

} // namespace

const std::vector<Control>& controls()
{
    return table;
}

int pixels(int twips)
{
    return int(std::lround(twips / 15.0));
}

QRect pixelRect(const Control& c)
{
    return QRect(pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height));
}

QSize clientSize()
{
    return QSize(pixels(ClientWidth), pixels(ClientHeight));
}

QColor colour(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QFont font(const char* face, double points, bool bold, bool italic)
{
    static const QHash<QString, QString> families = {
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
    };
    const QString name = QString::fromLatin1(face);
    QFont f(families.value(name, QStringLiteral("Liberation Sans")));
    f.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    f.setWeight(name == QLatin1String("Arial Black") ? QFont::Black
                : bold                               ? QFont::Bold
                                                     : QFont::Normal);
    f.setItalic(italic);
    return f;
}

} // namespace design
