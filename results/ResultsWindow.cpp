#include "ResultsWindow.h"

#include "RecordFiles.h"

#include "ChildPage.h"
#include "ChildrenModel.h"
#include "Report.h"
#include "ResultsChart.h"
#include "ResultsModel.h"
#include "Settings.h"
#include "Workbook.h"

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
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSysInfo>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

ResultsFilter::ResultsFilter(const QDateTime& now, QObject* parent) : QSortFilterProxyModel(parent)
{
    m_selection.now = now;
    setSortRole(ResultsModel::SortRole);
}

void ResultsFilter::setName(const QString& name)
{
    m_selection.name = name.trimmed();
    invalidateRowsFilter();
}

void ResultsFilter::setPeriod(Period period)
{
    m_selection.period = progress::Selection::Period(period);
    invalidateRowsFilter();
}

void ResultsFilter::setSelection(const progress::Selection& selection)
{
    m_selection = selection;
    invalidateRowsFilter();
}

bool ResultsFilter::filterAcceptsRow(int row, const QModelIndex&) const
{
    return m_selection.accepts(static_cast<const ResultsModel*>(sourceModel())->row(row));
}

bool ResultsFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const auto* model = static_cast<const ResultsModel*>(sourceModel());
    const ResultsModel::Row& a = model->row(left.row());
    const ResultsModel::Row& b = model->row(right.row());
    switch (left.column()) {
    case ResultsModel::Date:
        return a.when < b.when;
    case ResultsModel::Name:
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    case ResultsModel::Right:
        return a.right < b.right;
    case ResultsModel::Wrong:
        return a.wrong < b.wrong;
    case ResultsModel::Total:
        return a.total < b.total;
    case ResultsModel::Duration:
        return a.seconds < b.seconds;
    case ResultsModel::UpTo:
        return a.upTo < b.upTo;
    default:
        return QSortFilterProxyModel::lessThan(left, right);
    }
}

ResultsWindow::ResultsWindow(const QString& log, const QDateTime& now, QWidget* parent,
                             const QString& school)
    : QMainWindow(parent), m_model(new ResultsModel(this)), m_filter(new ResultsFilter(now, this))
{
    setObjectName(QStringLiteral("risultati"));
    setWindowTitle(tr("Risultati della classe"));
    m_filter->setSourceModel(m_model);

    // The teachers' class list, beside the log, marks the names not on it.
    m_classList = progress::classListBeside(log);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(buildFilterBar(central));
    layout->addLayout(buildPlayBar(central));
    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("schede"));
    auto* contests = new QWidget(m_tabs);
    auto* contestsLayout = new QVBoxLayout(contests);
    contestsLayout->addWidget(buildTable(contests), 1);
    m_chart = new ResultsChart(contests);
    contestsLayout->addWidget(m_chart);
    m_tabs->addTab(contests, tr("&Gare"));
    m_tabs->addTab(buildChildrenTab(m_tabs), tr("&Bambini"));
    // Each tab starts on its table, so that a screen reader reads it first.
    connect(m_tabs, &QTabWidget::currentChanged, this,
            [this](int tab) { (tab == 0 ? m_table : m_childrenTable)->setFocus(); });
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buildRecordLine(central, QFileInfo(log).path()));
    setCentralWidget(central);
    connect(m_model, &ResultsModel::loaded, this, [this] {
        summarise();
        updateCount();
        emit loaded();
    });
    addShortcuts();

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(m_fontPixels);
    setFont(font);
    resize(900, 600);
    m_count->setText(tr("Lettura…"));
    // The computer's column says where each contest was played: a lab's.
    m_table->setColumnHidden(ResultsModel::Computer, school.isEmpty());
    if (school.isEmpty())
        m_model->load(log);
    else
        m_model->load(log, school, QSysInfo::machineHostName());
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
    auto* printButton = new QPushButton(tr("S&tampa…"), central);
    printButton->setObjectName(QStringLiteral("stampa"));
    printButton->setAccessibleName(tr("Stampa la tabella dei bambini"));
    auto* pdfButton = new QPushButton(tr("P&DF…"), central);
    pdfButton->setObjectName(QStringLiteral("pdf"));
    pdfButton->setAccessibleName(tr("Salva la tabella dei bambini in PDF"));
    m_count = new QLabel(central);
    m_count->setObjectName(QStringLiteral("conteggio"));
    m_count->setAccessibleDescription(tr("Gare mostrate"));
    for (QWidget* w : {static_cast<QWidget*>(nameLabel), static_cast<QWidget*>(m_name),
                       static_cast<QWidget*>(periodLabel), static_cast<QWidget*>(m_period),
                       static_cast<QWidget*>(exportButton), static_cast<QWidget*>(printButton),
                       static_cast<QWidget*>(pdfButton), static_cast<QWidget*>(m_count)})
        bar->addWidget(w);
    bar->insertStretch(7);

    connect(m_name, &QLineEdit::textChanged, this, &ResultsWindow::select);
    connect(m_period, &QComboBox::currentIndexChanged, this, &ResultsWindow::select);
    connect(exportButton, &QPushButton::clicked, this, &ResultsWindow::askAndExport);
    connect(printButton, &QPushButton::clicked, this, [this] { askAndPrint(false); });
    connect(pdfButton, &QPushButton::clicked, this, [this] { askAndPrint(true); });
    return bar;
}

QLayout* ResultsWindow::buildPlayBar(QWidget* central)
{
    auto* bar = new QHBoxLayout;
    const auto combo = [&](const char* name, const QString& label, const QString& spoken) {
        auto* box = new QComboBox(central);
        box->setObjectName(QString::fromLatin1(name));
        box->setAccessibleName(spoken);
        auto* caption = new QLabel(label, central);
        caption->setBuddy(box);
        bar->addWidget(caption);
        bar->addWidget(box);
        return box;
    };
    //: The filter of the range: every range, or one.
    m_upTo = combo("filtroFinoA", tr("&Fino a:"), tr("Filtra per numeri"));
    m_upTo->addItem(tr("tutti"), 0);
    for (const int n : settings::Ranges)
        m_upTo->addItem(QString::number(n), n);
    m_minutes = combo("filtroMinuti", tr("&Minuti:"), tr("Filtra per durata"));
    m_minutes->addItem(tr("tutti"), 0);
    for (const int n : settings::Lengths)
        m_minutes->addItem(QString::number(n), n);
    m_play = combo("filtroGioco", tr("Gi&oco:"), tr("Filtra per gioco"));
    m_play->addItems({tr("tutto"), tr("gare"), tr("allenamenti")});
    // Once all are filled: filling one already changes its choice.
    for (QComboBox* box : {m_upTo, m_minutes, m_play})
        connect(box, &QComboBox::currentIndexChanged, this, &ResultsWindow::select);
    bar->addStretch(1);
    return bar;
}

QWidget* ResultsWindow::buildChildrenTab(QWidget* parent)
{
    auto* tab = new QWidget(parent);
    auto* layout = new QVBoxLayout(tab);
    m_children = new ChildrenModel(this);
    m_childrenSorted = new QSortFilterProxyModel(this);
    m_childrenSorted->setSourceModel(m_children);
    m_childrenSorted->setSortRole(ChildrenModel::SortRole);
    m_childrenTable = new QTableView(tab);
    m_childrenTable->setObjectName(QStringLiteral("tabellaBambini"));
    m_childrenTable->setAccessibleName(tr("Bambini della classe"));
    m_childrenTable->setAccessibleDescription(tr("Una riga per bambino: Invio apre la sua pagina"));
    m_childrenTable->setModel(m_childrenSorted);
    m_childrenTable->setItemDelegateForColumn(ChildrenModel::Trend,
                                              new TrendDelegate(m_childrenTable));
    m_childrenTable->setSortingEnabled(true);
    m_childrenTable->sortByColumn(ChildrenModel::Name, Qt::AscendingOrder);
    m_childrenTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_childrenTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_childrenTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_childrenTable->verticalHeader()->hide();
    m_childrenTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(m_childrenTable, 1);
    auto* buttons = new QHBoxLayout;
    auto* open = new QPushButton(tr("P&agina del bambino…"), tab);
    open->setObjectName(QStringLiteral("paginaBambino"));
    auto* join = new QPushButton(tr("&Unisci"), tab);
    join->setObjectName(QStringLiteral("unisci"));
    join->setAccessibleDescription(
        tr("Unisce le righe scelte in una sola, per questa finestra: lo stesso bambino scritto "
           "in due modi"));
    auto* part = new QPushButton(tr("&Separa"), tab);
    part->setObjectName(QStringLiteral("separa"));
    part->setAccessibleDescription(tr("Separa di nuovo le righe unite"));
    for (QPushButton* b : {open, join, part})
        buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    const auto sourceRow = [this](const QModelIndex& index) {
        return m_childrenSorted->mapToSource(index).row();
    };
    connect(m_childrenTable, &QTableView::activated, this,
            [this, sourceRow](const QModelIndex& index) { openChild(sourceRow(index)); });
    connect(open, &QPushButton::clicked, this, [this, sourceRow] {
        const QModelIndex current = m_childrenTable->currentIndex();
        if (current.isValid())
            openChild(sourceRow(current));
    });
    connect(join, &QPushButton::clicked, this, [this, sourceRow] {
        const QModelIndexList rows = m_childrenTable->selectionModel()->selectedRows();
        for (qsizetype i = rows.size() - 1; i > 0; --i)
            merge(sourceRow(rows.first()), sourceRow(rows[i]));
    });
    connect(part, &QPushButton::clicked, this, [this, sourceRow] {
        for (const QModelIndex& index : m_childrenTable->selectionModel()->selectedRows())
            for (const progress::Key& key : m_children->child(sourceRow(index)).merged)
                m_merges.remove(key);
        summarise();
    });
    return tab;
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
    //: The kinds of file the export writes; the workbook keeps names as text.
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Esporta i risultati"), QStringLiteral("risultati.xlsx"),
        tr("Cartella di lavoro (*.xlsx);;CSV (*.csv)"));
    if (!path.isEmpty() && !exportTo(path))
        QMessageBox::warning(
            this, tr("Esporta i risultati"),
            //: %1 is the file's path.
            tr("Non riesco a salvare i risultati in\n%1").arg(QDir::toNativeSeparators(path)));
}

void ResultsWindow::chooseName(const QString& name)
{
    QList<ResultsChart::Point> points;
    const progress::Selection& shown = m_filter->selection();
    for (const ResultsModel::Row& r : m_model->rows()) {
        if (r.name == name && shown.accepts(r))
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

void ResultsWindow::select()
{
    progress::Selection s = m_filter->selection();
    s.name = m_name->text().trimmed();
    s.period = progress::Selection::Period(m_period->currentIndex());
    s.upTo = m_upTo->currentData().toInt();
    s.minutes = m_minutes->currentData().toInt();
    s.play = progress::Selection::Play(std::max(0, m_play->currentIndex()));
    m_filter->setSelection(s);
    summarise();
    updateCount();
}

void ResultsWindow::summarise()
{
    m_children->setChildren(
        progress::children(m_model->rows(), m_filter->selection(), m_classList, m_merges),
        !m_classList.isEmpty());
    // A keyboard starts on the first child: Enter opens a page at once.
    if (m_childrenSorted->rowCount() > 0)
        m_childrenTable->setCurrentIndex(m_childrenSorted->index(0, 0));
}

void ResultsWindow::merge(int first, int second)
{
    const progress::Child& into = m_children->child(first);
    const progress::Child& from = m_children->child(second);
    const progress::Key target{into.name, into.account};
    for (const progress::Key& key : from.merged + QList<progress::Key>{{from.name, from.account}}) {
        if (key != target)
            m_merges.insert(key, target);
    }
    summarise();
}

QWidget* ResultsWindow::openChild(int row)
{
    auto* page = new ChildPage(m_model->rows(), m_children->child(row), this);
    page->setAttribute(Qt::WA_DeleteOnClose);
    page->show();
    return page;
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
    QString text = unread == 0
                       ? count
                       : tr("%1; %n righe del file non si leggono", nullptr, unread).arg(count);
    if (m_model->withSchool()) {
        const ResultsModel::School& school = m_model->school();
        if (m_model->readingSchool())
            //: %1 is what the count says so far.
            text = tr("%1; lettura della cartella della scuola…").arg(text);
        else if (!school.found)
            //: %1 is what the count says so far; the school's folder is on a share.
            text = tr("%1; la cartella della scuola non si legge: ci sono solo le gare di questo "
                      "computer")
                       .arg(text);
        else if (!school.unreadable.isEmpty())
            //: %1 is what the count says so far, %2 the files, as "pc-03/risultati-2026-11.csv".
            text = tr("%1; non si leggono: %2").arg(text, school.unreadable.join(u", "));
    }
    m_count->setText(text);
}

void ResultsWindow::askAndPrint(bool pdf)
{
    report::ask(this, pdf, QStringLiteral("risultati.pdf"),
                [this](QPagedPaintDevice& device) { return printTo(device); });
}

QList<progress::Child> ResultsWindow::childrenShown() const
{
    QList<progress::Child> shown;
    for (int i = 0; i < m_childrenSorted->rowCount(); ++i)
        shown << m_children->child(
            m_childrenSorted->mapToSource(m_childrenSorted->index(i, 0)).row());
    return shown;
}

QList<ResultsModel::Row> ResultsWindow::rowsShown() const
{
    QList<ResultsModel::Row> shown;
    shown.reserve(m_filter->rowCount());
    for (int i = 0; i < m_filter->rowCount(); ++i)
        shown << m_model->row(m_filter->mapToSource(m_filter->index(i, 0)).row());
    return shown;
}

bool ResultsWindow::printTo(QPagedPaintDevice& device) const
{
    return report::printClass(device, childrenShown(), m_filter->selection(),
                              !m_classList.isEmpty());
}

bool ResultsWindow::exportTo(const QString& path) const
{
    if (path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        return workbook::write(path, rowsShown(), childrenShown(), !m_classList.isEmpty());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(ResultsModel::header());
    for (const ResultsModel::Row& row : rowsShown())
        file.write(ResultsModel::csvLine(row));
    return file.commit();
}
