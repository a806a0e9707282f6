#include "Progress.h"

#include "Settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace progress {

namespace {

// The last this many contests make a child's figures and trend.
constexpr int Recent = 10;

const char* const CrossingNames[Crossings] = {
    //: %1 wrong of %2 sums like 19 + 1, which cross a ten.
    QT_TRANSLATE_NOOP("progress", "passaggio della decina: %1 su %2"),
    //: %1 wrong of %2 sums like 99 + 1, which cross a hundred.
    QT_TRANSLATE_NOOP("progress", "passaggio del centinaio: %1 su %2"),
    //: %1 wrong of %2 sums like 999 + 1, which cross a thousand.
    QT_TRANSLATE_NOOP("progress", "passaggio del migliaio: %1 su %2")};

double share(const Child& child, int crossing)
{
    const int shown = child.crossingsShown[std::size_t(crossing)];
    return shown == 0 ? 0 : double(child.crossingsWrong[std::size_t(crossing)]) / shown;
}

} // namespace

bool Selection::accepts(const Row& r) const
{
    if (!name.isEmpty() && !r.name.contains(name, Qt::CaseInsensitive))
        return false;
    if ((upTo != 0 && r.upTo != upTo) || (minutes != 0 && !r.practice && r.minutes != minutes) ||
        (play == Contests && r.practice) || (play == Practices && !r.practice))
        return false;
    if (period == All)
        return true;
    const QDate day = r.day.isValid() ? r.day : r.when.toLocalTime().date();
    const QDate today = now.toLocalTime().date();
    switch (period) {
    case Today:
        return day == today;
    case ThisWeek:
        return day >= today.addDays(1 - today.dayOfWeek()) && day <= today;
    case All:
        break;
    }
    return true;
}

double perMinute(const Row& row)
{
    return row.seconds > 0 ? row.right * 60.0 / row.seconds : -1;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

QList<Child> children(const QList<Row>& rows, const Selection& selection,
                      const QStringList& classList, const QHash<Key, Key>& merges)
{
    QList<Child> out;
    QHash<Key, qsizetype> index;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        if (!selection.accepts(r))
            continue;
        Key key{r.name, r.account};
        const Key own = key;
        // A merge may lead on to another: follow it, but never round a loop.
        for (int hops = 0; merges.contains(key) && hops < 100; ++hops)
            key = merges.value(key);
        auto at = index.find(key);
        if (at == index.end()) {
            at = index.insert(key, out.size());
            Child child;
            child.name = key.first;
            child.account = key.second;
            child.listed = classList.isEmpty() || classList.contains(key.first);
            out << child;
        }
        Child& child = out[*at];
        if (own != key && !child.merged.contains(own))
            child.merged << own;
        child.rows << int(i);
    }
    for (Child& child : out) {
        // The log is in the order contests ended; a clock set back may not be.
        std::stable_sort(child.rows.begin(), child.rows.end(),
                         [&rows](int a, int b) { return rows[a].when < rows[b].when; });
        child.contests = int(child.rows.size());
        child.last = rows[child.rows.last()].when;
        int right = 0, answered = 0;
        for (const int i : child.rows) {
            const Row& r = rows[i];
            if (!r.practice)
                child.best = std::max(child.best, r.right);
            if (r.crossed) {
                for (int c = 0; c < Crossings; ++c) {
                    child.crossingsShown[std::size_t(c)] += r.crossed->shown[c];
                    child.crossingsWrong[std::size_t(c)] += r.crossed->wrong[c];
                }
            }
        }
        // The last ten with time played, newest last.
        for (qsizetype k = child.rows.size() - 1; k >= 0 && child.trend.size() < Recent; --k) {
            const Row& r = rows[child.rows[k]];
            if (perMinute(r) < 0)
                continue;
            child.trend.prepend(perMinute(r));
            right += r.right;
            answered += r.right + r.wrong;
        }
        child.perMinute = median(child.trend);
        child.accuracy = answered > 0 ? double(right) / answered : -1;
    }
    return out;
}

QStringList missedMost(const Child& child)
{
    QList<int> missed;
    for (int c = 0; c < Crossings; ++c) {
        if (child.crossingsWrong[std::size_t(c)] > 0)
            missed << c;
    }
    // The worst share first; on a tie the larger crossing, the harder one.
    std::stable_sort(missed.begin(), missed.end(), [&child](int a, int b) {
        return share(child, a) > share(child, b) || (share(child, a) == share(child, b) && a > b);
    });
    QStringList out;
    for (const int c : missed)
        out << QCoreApplication::translate("progress", CrossingNames[c])
                   .arg(child.crossingsWrong[std::size_t(c)])
                   .arg(child.crossingsShown[std::size_t(c)]);
    return out;
}

double worstMiss(const Child& child)
{
    double worst = 0;
    for (int c = 0; c < Crossings; ++c)
        worst = std::max(worst, share(child, c));
    return worst;
}

QStringList classListBeside(const QString& log)
{
    QStringList names;
    const QString path = QFileInfo(log).path() + u'/' + QString::fromLatin1(settings::ClassFile);
    for (const std::string& name : settings::readClass(QFile::encodeName(path).toStdString()))
        names << QString::fromStdString(name);
    return names;
}

QString asSum(const records::results::Miss& miss)
{
    return QStringLiteral("%1 + 1 = %2")
        .arg(miss.shown)
        .arg(miss.typed.empty() ? QStringLiteral("?") : QString::fromStdString(miss.typed));
}

} // namespace progress
