#pragma once

#include "ResultsModel.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <array>

// Each child's progress, from the class's contests: no widgets, so that the
// window, the printed report and the export say the same figures.
namespace progress {

using Row = ResultsModel::Row;

// Which contests count: a name (any part, any case), a period counted from
// now, a range, a length and a kind of play; 0 and Any take them all.
struct Selection {
    enum Period { Today, ThisWeek, All };
    enum Play { AnyPlay, Contests, Practices };
    QDateTime now = QDateTime::currentDateTime();
    QString name;
    Period period = All;
    int upTo = 0;
    int minutes = 0; // a practice has no length: any length takes it
    Play play = AnyPlay;
    bool accepts(const Row& row) const;
};

// A child is a name as typed and the account that played it: "anna" and
// "Anna " are two until the teacher merges them for the view.
using Key = QPair<QString, QString>; // name, account

// The crossings of a ten, a hundred and a thousand, in that order.
inline constexpr int Crossings = 3;

struct Child {
    QString name;
    QString account;
    int contests = 0;
    QDateTime last;
    int best = -1; // the most right answers of a timed contest; -1: none played
    // Of the last ten contests with time played: the median of right answers
    // a minute, and the right answers of all answers (-1: none answered).
    double perMinute = -1;
    double accuracy = -1;
    QList<double> trend; // right answers a minute, the last ten, oldest first
    std::array<int, Crossings> crossingsShown{};
    std::array<int, Crossings> crossingsWrong{};
    bool listed = true;     // on the class list, or there is none
    QList<int> rows;        // its contests, as indices of the rows given, oldest first
    QList<Key> merged = {}; // the other rows the teacher merged into this one
};

// Right answers a minute of one contest; -1 when no time was played.
double perMinute(const Row& row);
// The median of the values; -1 for none.
double median(QList<double> values);

// One child each, in the order they first played; the teacher's merges map
// a key to the one it joins. Names not on a non-empty class list are marked.
QList<Child> children(const QList<Row>& rows, const Selection& selection,
                      const QStringList& classList = {}, const QHash<Key, Key>& merges = {});

// The crossings the child answers wrong most, worst first, in words:
// "passaggio del centinaio: 2 su 3"; empty when none was missed.
QStringList missedMost(const Child& child);
// The worst crossing's share of wrong answers, for sorting; 0: none missed.
double worstMiss(const Child& child);

// The teachers' class list beside the results log; none when it cannot be read.
QStringList classListBeside(const QString& log);

// A wrong answer as a sum: "199 + 1 = 190"; "199 + 1 = ?" when nothing was typed.
QString asSum(const records::results::Miss& miss);

} // namespace progress
