#include "ResultsWindow.h"

#include "RecordFiles.h"

#include "ResultsChart.h"
#include "ResultsModel.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

ResultsFilter::ResultsFilter(const QDateTime& now, QObject* parent)
    : QSortFilterProxyModel(parent), m_now(now)
{
    setSortRole(ResultsModel::SortRole);
}

void ResultsFilter::setName(const QString& name)
{
    m_name = name.trimmed();
    invalidateRowsFilter();
}

void ResultsFilter::setPeriod(Period period)
{
    m_period = period;
    invalidateRowsFilter();
}

bool ResultsFilter::filterAcceptsRow(int row, const QModelIndex&) const
{
    const auto& r = static_cast<const ResultsModel*>(sourceModel())->row(row);
    if (!m_name.isEmpty() && !r.name.contains(m_name, Qt::CaseInsensitive))
        return false;
    const QDate day = r.when.toLocalTime().date();
    const QDate today = m_now.toLocalTime().date();
    switch (m_period) {
    case Today:
        return day == today;
    case ThisWeek:
        return day >= today.addDays(1 - today.dayOfWeek()) && day <= today;
    case All:
        break;
    }
    return true;
}

ResultsWindow::ResultsWindow(const QString& log, const QDateTime& now, QWidget* parent)
    : QMainWindow(parent), m_model(new ResultsModel(this)), m_filter(new ResultsFilter(now, this))
{
    setObjectName(QStringLiteral("risultati"));
    setWindowTitle(tr("Risultati della classe"));
    m_filter->setSourceModel(m_model);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(buildFilterBar(central));
    layout->addWidget(buildTable(central), 1);
    m_chart = new ResultsChart(central);
    layout->addWidget(m_chart);
    layout->addWidget(buildRecordLine(central, QFileInfo(log).path()));
    setCentralWidget(central);
    connect(m_model, &ResultsModel::loaded, this, [this] {
        updateCount();
        emit loaded();
    });
    addShortcuts();

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(m_fontPixels);
    setFont(font);
    resize(900, 600);
    m_count->setText(tr("Lettura…"));
    m_model->load(log);
}

QLayout* ResultsWindow::buildFilterBar(QWidget* central)
{
    auto* bar = new QHBoxLayout;
    auto* nameLabel = new QLabel(tr("&Nome:"), central);
    m_name = new QLineEdit(central);
    m_name->setObjectName(QStringLiteral("filtroNome"));
    m_name->setAccessibleName(tr("Filtra per nome"));
    m_name->setClearButtonEnabled(true);
    nameLabel->setBuddy(m_name);
    auto* periodLabel = new QLabel(tr("&Periodo:"), central);
    m_period = new QComboBox(central);
    m_period->setObjectName(QStringLiteral("periodo"));
    m_period->setAccessibleName(tr("Periodo"));
    m_period->addItems({tr("oggi"), tr("questa settimana"), tr("tutto")});
    m_period->setCurrentIndex(ResultsFilter::All);
    periodLabel->setBuddy(m_period);
    auto* exportButton = new QPushButton(tr("&Esporta…"), central);
    exportButton->setObjectName(QStringLiteral("esporta"));
    exportButton->setAccessibleName(tr("Esporta le righe mostrate"));
    m_count = new QLabel(central);
    m_count->setObjectName(QStringLiteral("conteggio"));
    m_count->setAccessibleDescription(tr("Gare mostrate"));
    for (QWidget* w : {static_cast<QWidget*>(nameLabel), static_cast<QWidget*>(m_name),
                       static_cast<QWidget*>(periodLabel), static_cast<QWidget*>(m_period),
                       static_cast<QWidget*>(exportButton), static_cast<QWidget*>(m_count)})
        bar->addWidget(w);
    bar->insertStretch(5);

    connect(m_name, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filter->setName(text);
        updateCount();
    });
    connect(m_period, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_filter->setPeriod(ResultsFilter::Period(index));
        updateCount();
    });
    connect(exportButton, &QPushButton::clicked, this, &ResultsWindow::askAndExport);
    return bar;
}

QLabel* ResultsWindow::buildRecordLine(QWidget* central, const QString& folder)
{
    // Who set the computer's record: a record nobody played shows its author.
    const records::Record record = records::current(folder);
    const QString score = record.score.section(u'\r', 0, 0).section(u'\n', 0, 0).trimmed();
    const QString holder = record.holder.section(u'\r', 0, 0).section(u'\n', 0, 0).trimmed();
    auto* label = new QLabel(central);
    label->setObjectName(QStringLiteral("recordComputer"));
    if (!score.isEmpty())
        label->setText(record.account.isEmpty()
                           //: %1 is the record's points, %2 its holder's name.
                           ? tr("Record del computer: %1, di %2").arg(score, holder)
                           //: %3 is the login name of the account that set the record.
                           //: %1 is the record's points, %2 its holder's name, %3 the computer account that set it.
                           : tr("Record del computer: %1, di %2 (utente %3)")
                                 .arg(score, holder, record.account));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QTableView* ResultsWindow::buildTable(QWidget* central)
{
    m_table = new QTableView(central);
    m_table->setObjectName(QStringLiteral("tabella"));
    m_table->setAccessibleName(tr("Gare della classe"));
    m_table->setAccessibleDescription(tr("Tabella dei risultati"));
    m_table->setModel(m_filter);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(ResultsModel::Date, Qt::DescendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    chooseName(
                        m_filter->index(current.row(), ResultsModel::Name).data().toString());
            });
    return m_table;
}

// F11 and zoom, as in the game.
void ResultsWindow::addShortcuts()
{
    const auto key = [this](const QKeySequence& keys, auto act) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, act);
    };
    key(Qt::Key_F11, [this] { isFullScreen() ? showNormal() : showFullScreen(); });
    key(QKeySequence::ZoomIn, [this] { zoom(1); });
    key(QKeySequence::ZoomOut, [this] { zoom(-1); });
}

void ResultsWindow::askAndExport()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Esporta i risultati"),
                                                      QStringLiteral("risultati.csv"),
                                                      QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty() && !exportTo(path))
        QMessageBox::warning(
            this, tr("Esporta i risultati"),
            //: %1 is the file's path.
            tr("Non riesco a salvare i risultati in\n%1").arg(QDir::toNativeSeparators(path)));
}

void ResultsWindow::chooseName(const QString& name)
{
    QList<ResultsChart::Point> points;
    for (int i = 0; i < m_filter->rowCount(); ++i) {
        const auto& r = m_model->row(m_filter->mapToSource(m_filter->index(i, 0)).row());
        if (r.name == name)
            points << ResultsChart::Point{r.when, r.right};
    }
    m_chart->show(name, points);
}

void ResultsWindow::zoom(int steps)
{
    m_fontPixels = std::clamp(m_fontPixels + 2 * steps, 10, 48);
    QFont f = font();
    f.setPixelSize(m_fontPixels);
    setFont(f);
}

void ResultsWindow::updateCount()
{
    if (!m_model->error().isEmpty()) {
        m_count->setText(m_model->error() == ResultsModel::teachersOnly()
                             ? m_model->error()
                             //: %1 is the system's reason.
                             : tr("Non riesco a leggere i risultati: %1").arg(m_model->error()));
        return;
    }
    const int shown = m_filter->rowCount();
    const QString count = tr("%n gare", nullptr, shown);
    const int unread = m_model->unread();
    //: %1 is "%n gare"; then how many lines of the results file are no
    //: contest and are left out (a line changed by hand, say).
    m_count->setText(unread == 0 ? count
                                 : tr("%1; %n righe del file non si leggono", nullptr, unread)
                                       .arg(count));
}

bool ResultsWindow::exportTo(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(ResultsModel::header());
    for (int i = 0; i < m_filter->rowCount(); ++i)
        file.write(ResultsModel::csvLine(
            m_model->row(m_filter->mapToSource(m_filter->index(i, 0)).row())));
    return file.commit();
}
