#include "SettingsWindow.h"

#include "RecordFiles.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <grp.h>
#include <unistd.h>
#include <vector>

namespace {

// What each choice is for, said beside it.
const char* const Meanings[settings::KeyCount] = {
    QT_TRANSLATE_NOOP("SettingsWindow", "Il numero più alto da scrivere: ogni calcolo mostra un "
                                        "numero da 0 a uno in meno."),
    QT_TRANSLATE_NOOP("SettingsWindow", "Quanto dura una gara; il tempo si conta alla rovescia."),
    QT_TRANSLATE_NOOP("SettingsWindow",
                      "Gara: a tempo, con il record. Allenamento: senza tempo e senza record, "
                      "i calcoli sbagliati tornano più tardi, si finisce con Exit."),
    QT_TRANSLATE_NOOP("SettingsWindow", "Come si mostra chi ha il record; il record si tiene "
                                        "sempre."),
};
const char* const Labels[settings::KeyCount] = {
    QT_TRANSLATE_NOOP("SettingsWindow", "&Numeri"),
    QT_TRANSLATE_NOOP("SettingsWindow", "&Durata"),
    QT_TRANSLATE_NOOP("SettingsWindow", "&Gioco"),
    QT_TRANSLATE_NOOP("SettingsWindow", "&Record"),
};
const char* const Names[settings::KeyCount] = {"cmbFinoA", "cmbMinuti", "cmbGioco", "cmbRecord"};

// Each choice a key offers, in the order a settings file names them.
std::vector<settings::Settings> choices(settings::Key key)
{
    std::vector<settings::Settings> out;
    const auto add = [&out](auto change) {
        settings::Settings s;
        change(s);
        out.push_back(s);
    };
    switch (key) {
    case settings::UpTo:
        for (int n : settings::Ranges)
            add([n](settings::Settings& s) { s.upTo = n; });
        break;
    case settings::Minutes:
        for (int n : settings::Lengths)
            add([n](settings::Settings& s) { s.minutes = n; });
        break;
    case settings::PlayKey:
        for (int i = 0; i < int(settings::PlayNames.size()); ++i)
            add([i](settings::Settings& s) { s.play = settings::Play(i); });
        break;
    case settings::HolderKey:
        for (int i = 0; i < int(settings::HolderNames.size()); ++i)
            add([i](settings::Settings& s) { s.holder = settings::Holder(i); });
        break;
    case settings::KeyCount:
        break;
    }
    return out;
}

int indexIn(settings::Key key, const settings::Settings& v)
{
    switch (key) {
    case settings::UpTo:
        for (std::size_t i = 0; i < settings::Ranges.size(); ++i)
            if (settings::Ranges[i] == v.upTo)
                return int(i);
        return 0;
    case settings::Minutes:
        for (std::size_t i = 0; i < settings::Lengths.size(); ++i)
            if (settings::Lengths[i] == v.minutes)
                return int(i);
        return 0;
    case settings::PlayKey:
        return int(v.play);
    case settings::HolderKey:
        return int(v.holder);
    case settings::KeyCount:
        break;
    }
    return 0;
}

} // namespace

SettingsWindow::SettingsWindow(const settingsText::Files& files, const QString& recordDir,
                               const QString& service, bool mayChange, QWidget* parent)
    : QDialog(parent), m_files(files), m_recordDir(recordDir), m_service(service),
      m_mayChange(mayChange), m_in(settingsText::load(files))
{
    setObjectName(QStringLiteral("frmImpostazioni"));
    setWindowTitle(tr("Impostazioni della classe"));
    auto* form = new QFormLayout;
    for (int k = 0; k < settings::KeyCount; ++k) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(Names[k]));
        for (const settings::Settings& s : choices(settings::Key(k)))
            box->addItem(settingsText::valueText(settings::Key(k), s));
        auto* meaning = new QLabel(tr(Meanings[k]), this);
        meaning->setWordWrap(true);
        box->setAccessibleDescription(meaning->text());
        m_from[k] = new QLabel(this);
        m_from[k]->setObjectName(QStringLiteral("lblDa%1").arg(k));
        m_from[k]->setWordWrap(true);
        auto* column = new QVBoxLayout;
        column->addWidget(box);
        column->addWidget(meaning);
        column->addWidget(m_from[k]);
        auto* label = new QLabel(tr(Labels[k]), this);
        label->setBuddy(box);
        form->addRow(label, column);
        m_choices[k] = box;
    }
    m_class = new QPlainTextEdit(this);
    m_class->setObjectName(QStringLiteral("txtClasse"));
    m_class->setTabChangesFocus(true);
    m_class->setReadOnly(!mayChange);
    m_class->setPlainText(QString::fromUtf8(readClassFile()));
    auto* classMeaning =
        new QLabel(tr("Un nome per riga: il gioco li offre quando chiede il nome, e si può "
                      "ancora scriverne un altro. Vuoto: il nome si scrive soltanto."),
                   this);
    classMeaning->setWordWrap(true);
    m_class->setAccessibleDescription(classMeaning->text());
    auto* classColumn = new QVBoxLayout;
    classColumn->addWidget(m_class);
    classColumn->addWidget(classMeaning);
    auto* classLabel = new QLabel(tr("&Elenco della classe"), this);
    classLabel->setBuddy(m_class);
    form->addRow(classLabel, classColumn);
    m_problems = new QLabel(this);
    m_problems->setObjectName(QStringLiteral("lblProblemi"));
    m_problems->setWordWrap(true);
    m_problems->setTextFormat(Qt::PlainText);
    auto* who = new QLabel(this);
    who->setObjectName(QStringLiteral("lblChi"));
    who->setWordWrap(true);
    if (!mayChange)
        who->setText(tr("Le impostazioni si possono solo leggere: le cambiano l'amministratore e "
                        "gli insegnanti del gruppo corvalesta-maestri."));
    m_outcome = new QLabel(this);
    m_outcome->setObjectName(QStringLiteral("lblEsito"));
    m_outcome->setWordWrap(true);
    m_outcome->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton(tr("&Salva"), QDialogButtonBox::AcceptRole);
    m_save->setObjectName(QStringLiteral("cmdSalva"));
    m_save->setEnabled(mayChange);
    QPushButton* close = buttons->addButton(tr("&Chiudi"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdChiudi"));
    connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problems);
    layout->addWidget(who);
    layout->addWidget(m_outcome);
    layout->addWidget(buttons);
    showInForce();
    // The first choice that can be changed has the focus, so that a screen
    // reader starts there; with none, the close button.
    QWidget* first = close;
    for (QComboBox* box : m_choices) {
        if (box->isEnabled()) {
            first = box;
            break;
        }
    }
    first->setFocus();
}

void SettingsWindow::showInForce()
{
    for (int k = 0; k < settings::KeyCount; ++k) {
        m_choices[k]->setCurrentIndex(indexIn(settings::Key(k), m_in.values));
        const bool fixed = m_in.from[k] == settings::Source::Administrator;
        m_choices[k]->setEnabled(m_mayChange && !fixed);
        m_from[k]->setText(
            fixed ? tr("Fissata dall'amministratore in %1.").arg(m_files.administrator)
            : m_in.from[k] == settings::Source::Teacher ? tr("Scelta dagli insegnanti.")
                                                        : tr("Valore predefinito."));
    }
    const QStringList problems = settingsText::problems(m_in, m_files);
    m_problems->setText(problems.join(u'\n'));
    m_problems->setVisible(!problems.isEmpty());
}

settings::Settings SettingsWindow::chosen() const
{
    settings::Settings s;
    for (int k = 0; k < settings::KeyCount; ++k) {
        const auto all = choices(settings::Key(k));
        const settings::Settings& c =
            all.at(std::size_t(std::max(0, m_choices[k]->currentIndex())));
        settings::copyKey(s, c, settings::Key(k));
    }
    return s;
}

QString SettingsWindow::classText() const
{
    return m_class->toPlainText();
}

QByteArray SettingsWindow::readClassFile() const
{
    // Shown as the teachers wrote it; one not to be read shows empty.
    QFile file(m_recordDir + u'/' + QString::fromLatin1(settings::ClassFile));
    if (QFileInfo(file).isSymLink() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.read(qint64(settings::MaxClassBytes));
}

bool SettingsWindow::save()
{
    if (!m_mayChange)
        return false;
    QString text = classText();
    if (!text.isEmpty() && !text.endsWith(u'\n'))
        text += u'\n';
    QString error = records::saveSettings(m_recordDir, settings::text(chosen()), m_service);
    if (error.isEmpty() && text.toUtf8().size() > qsizetype(settings::MaxClassBytes))
        //: %1 is the most bytes a class list may have.
        error = tr("l'elenco della classe è più lungo di %1 byte").arg(settings::MaxClassBytes);
    if (error.isEmpty())
        error = records::saveClass(m_recordDir, text.toUtf8().toStdString(), m_service);
    m_outcome->setText(error.isEmpty() ? tr("Salvate: valgono dalla prossima gara.")
                                       //: %1 is why the settings could not be saved.
                                       : tr("Non salvate: %1").arg(error));
    if (error.isEmpty()) {
        m_in = settingsText::load(m_files);
        showInForce();
    }
    return error.isEmpty();
}

bool SettingsWindow::teacher()
{
    if (geteuid() == 0)
        return true;
    const group* teachers = getgrnam(TeachersGroup);
    if (!teachers)
        return false;
    std::vector<gid_t> groups(std::size_t(std::max(getgroups(0, nullptr), 0)) + 1);
    const int n = getgroups(int(groups.size()), groups.data());
    for (int i = 0; i < n; ++i) {
        if (groups[std::size_t(i)] == teachers->gr_gid)
            return true;
    }
    return getegid() == teachers->gr_gid;
}
