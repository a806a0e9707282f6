#include "Cp1252.h"

#include "Cp1252Table.h"

#include <memory>
#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace cp1252 {

namespace {

// The byte for a UTF-16 unit, or 0 when the code page lacks it.
char byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t k = 0; k < High.size(); ++k) {
        if (High[k] == c)
            return char(0x80 + k);
    }
    return 0;
}

// Any script in Latin letters, then those in plain ASCII: "王小明" is
// "wang xiao ming", "محمد" "mhmd". Made once: building it reads ICU's rules.
icu::Transliterator* latin()
{
    static const std::unique_ptr<icu::Transliterator> made = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(
            icu::Transliterator::createInstance("Any-Latin; Latin-ASCII", UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(t) : nullptr;
    }();
    return made.get();
}

QString inLatin(const QString& run)
{
    icu::UnicodeString text(reinterpret_cast<const UChar*>(run.utf16()), int32_t(run.size()));
    if (icu::Transliterator* t = latin())
        t->transliterate(text);
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

} // namespace

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character, one "?"
        const char byte = byteOf(c);
        bytes += byte != 0 || c == 0 ? byte : '?';
    }
    return bytes;
}

QByteArray closest(const QString& text, int maxChars)
{
    // Runs the code page lacks go through the transliterator whole, so that
    // a word keeps its sense of where syllables part.
    const auto lacks = [&text](qsizetype at) {
        return text[at] != QChar(0) && byteOf(text[at].unicode()) == 0;
    };
    QString spelled;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype end = i;
        while (end < text.size() && lacks(end) == lacks(i))
            ++end;
        const QString run = text.mid(i, end - i);
        spelled += lacks(i) ? inLatin(run) : run;
        i = end;
    }
    if (spelled.size() > maxChars) {
        // Cut between words where the spelling made it longer.
        spelled.truncate(maxChars);
        while (spelled.endsWith(u' '))
            spelled.chop(1);
    }
    return encode(spelled);
}

} // namespace cp1252
