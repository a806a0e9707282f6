#include "ChildPage.h"

#include "ChildrenModel.h"
#include "ProgressChart.h"
#include "Report.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ChildPage::ChildPage(const QList<progress::Row>& rows, const progress::Child& child,
                     QWidget* parent)
    : QDialog(parent), m_child(child)
{
    // The page keeps its own copy of the child's contests: the window may
    // read the log again meanwhile.
    m_child.rows.clear();
    for (const int i : child.rows) {
        m_child.rows << int(m_rows.size());
        m_rows << rows[i];
    }
    setObjectName(QStringLiteral("frmBambino"));
    //: %1 is the child's name.
    setWindowTitle(tr("Pagina di %1").arg(child.name));
    auto* layout = new QVBoxLayout(this);
    auto* title =
        new QLabel(child.account.isEmpty() ? child.name
                                           //: %1 is the child's name, %2 the computer account.
                                           : tr("%1 (utente %2)").arg(child.name, child.account),
                   this);
    title->setObjectName(QStringLiteral("lblBambino"));
    title->setTextFormat(Qt::PlainText);
    QFont big = title->font();
    big.setBold(true);
    title->setFont(big);
    auto* figures = new QLabel(summary(m_child), this);
    figures->setObjectName(QStringLiteral("lblRiepilogo"));
    figures->setAccessibleDescription(tr("Riepilogo del bambino"));
    figures->setWordWrap(true);
    m_chart = new ProgressChart(this);
    m_chart->show(ProgressChart::pointsOf(m_rows, m_child));
    const QStringList missed = progress::missedMost(m_child);
    auto* crossings = new QLabel(
        missed.isEmpty() ? tr("Nessun passaggio sbagliato.")
                         //: %1 lists the crossings missed, as "passaggio del centinaio: 2 su 3".
                         : tr("Passaggi sbagliati: %1.").arg(missed.join(QStringLiteral("; "))),
        this);
    crossings->setObjectName(QStringLiteral("lblPassaggi"));
    crossings->setWordWrap(true);
    auto* wrongLabel = new QLabel(tr("&Risposte sbagliate:"), this);
    m_wrong = new QListWidget(this);
    m_wrong->setObjectName(QStringLiteral("listaSbagliate"));
    m_wrong->setAccessibleDescription(tr("Le risposte sbagliate, dalla più recente"));
    m_wrong->addItems(wrongAnswers(m_rows, m_child));
    if (m_wrong->count() == 0)
        m_wrong->addItem(tr("Nessuna risposta sbagliata registrata."));
    wrongLabel->setBuddy(m_wrong);
    auto* buttons = new QDialogButtonBox(this);
    // The buttons of the class's window, for the same things.
    QPushButton* print = buttons->addButton(
        QCoreApplication::translate("ResultsWindow", "S&tampa…"), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("stampaBambino"));
    QPushButton* pdf = buttons->addButton(QCoreApplication::translate("ResultsWindow", "P&DF…"),
                                          QDialogButtonBox::ActionRole);
    pdf->setObjectName(QStringLiteral("pdfBambino"));
    QPushButton* close = buttons->addButton(
        QCoreApplication::translate("SettingsWindow", "&Chiudi"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("chiudiBambino"));
    connect(print, &QPushButton::clicked, this, [this] { askAndPrint(false); });
    connect(pdf, &QPushButton::clicked, this, [this] { askAndPrint(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (QWidget* w : {static_cast<QWidget*>(title), static_cast<QWidget*>(figures),
                       static_cast<QWidget*>(m_chart), static_cast<QWidget*>(crossings),
                       static_cast<QWidget*>(wrongLabel), static_cast<QWidget*>(m_wrong),
                       static_cast<QWidget*>(buttons)})
        layout->addWidget(w, w == m_chart ? 2 : w == m_wrong ? 1 : 0);
    resize(760, 640);
    m_wrong->setFocus();
}

QString ChildPage::summary(const progress::Child& child)
{
    //: A child's figures: %1 contests, %2 the best, %3 right answers a
    //: minute, %4 the accuracy, %5 when last played.
    return tr("Gare: %1. Migliore: %2. Esatte al minuto: %3. Precisione: %4. Ultima gara: %5.")
        .arg(child.contests)
        .arg(child.best >= 0 ? QString::number(child.best) : QStringLiteral("–"),
             ChildrenModel::perMinuteText(child.perMinute),
             ChildrenModel::accuracyText(child.accuracy), ResultsModel::shownWhen(child.last));
}

QStringList ChildPage::wrongAnswers(const QList<progress::Row>& rows, const progress::Child& child)
{
    QStringList out;
    for (qsizetype k = child.rows.size() - 1; k >= 0; --k) {
        const progress::Row& r = rows[child.rows[k]];
        for (const records::results::Miss& miss : r.misses)
            out << ResultsModel::shownWhen(r.when) + QStringLiteral("  ") + progress::asSum(miss);
    }
    return out;
}

bool ChildPage::printTo(QPagedPaintDevice& device) const
{
    return report::printChild(device, m_rows, m_child);
}

void ChildPage::askAndPrint(bool pdf)
{
    report::ask(this, pdf, m_child.name + QStringLiteral(".pdf"),
                [this](QPagedPaintDevice& device) { return printTo(device); });
}
