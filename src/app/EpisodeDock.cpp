#include "EpisodeDock.h"

#include "EpisodeFilterModel.h"
#include "EpisodeModel.h"
#include "FileDialogs.h"
#include "Prompts.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QStyledItemDelegate>
#include <QToolButton>

namespace {

// The thumbnails' box in the list, pixels.
constexpr QSize ThumbnailBox(160, 100);
// The grid cell of a level: its thumbnail and two lines of text.
constexpr QSize GridCell(200, 170);

// Thumbnails are drawn at the size of the level; the list shows each within
// the same box, its proportions kept.
class ThumbnailDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->features & QStyleOptionViewItem::HasDecoration)
            option->decorationSize = ThumbnailBox;
    }
};

} // namespace

EpisodeDock::EpisodeDock(QWidget* parent) : QDockWidget(tr("Episode"), parent) {
    setObjectName(QStringLiteral("episodeDock"));
    m_Model = new EpisodeModel(this);
    m_Filter = new EpisodeFilterModel(this);
    m_Filter->setSourceModel(m_Model);

    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    auto* row = new QHBoxLayout;
    m_FilterEdit = new QLineEdit(body);
    m_FilterEdit->setObjectName(QStringLiteral("episodeFilter"));
    m_FilterEdit->setPlaceholderText(tr("Number, or \"problems\""));
    m_FilterEdit->setClearButtonEnabled(true);
    m_FilterEdit->setAccessibleName(tr("Filter the levels"));
    m_ProblemsOnly = new QCheckBox(tr("P&roblems only"), body);
    m_ProblemsOnly->setObjectName(QStringLiteral("episodeProblemsOnly"));
    m_Export = new QToolButton(body);
    m_Export->setObjectName(QStringLiteral("episodeExportSheet"));
    m_Export->setText(tr("Contact &Sheet..."));
    m_Export->setToolTip(tr("Save every level of the episode on one picture"));
    row->addWidget(m_FilterEdit, 1);
    row->addWidget(m_ProblemsOnly);
    row->addWidget(m_Export);
    column->addLayout(row);

    m_List = new QListView(body);
    m_List->setObjectName(QStringLiteral("episodeList"));
    m_List->setAccessibleName(tr("Levels of the episode"));
    m_List->setModel(m_Filter);
    m_List->setItemDelegate(new ThumbnailDelegate(m_List));
    m_List->setViewMode(QListView::IconMode);
    m_List->setMovement(QListView::Static);
    m_List->setResizeMode(QListView::Adjust);
    m_List->setIconSize(ThumbnailBox);
    m_List->setGridSize(GridCell);
    m_List->setUniformItemSizes(true);
    m_List->setWordWrap(true);
    m_List->setSelectionMode(QAbstractItemView::SingleSelection);
    column->addWidget(m_List, 1);
    m_Note = new QLabel(body);
    m_Note->setObjectName(QStringLiteral("episodeNote"));
    m_Note->setWordWrap(true);
    column->addWidget(m_Note);
    setWidget(body);

    m_Progress = new QProgressBar;
    m_Progress->setObjectName(QStringLiteral("thumbnailProgress"));
    m_Progress->setMaximumWidth(200);
    m_Progress->setFormat(tr("Thumbnails %v of %m"));
    m_Progress->hide();

    connect(m_FilterEdit, &QLineEdit::textChanged, this, &EpisodeDock::FilterTyped);
    connect(m_ProblemsOnly, &QCheckBox::toggled, m_Filter, &EpisodeFilterModel::SetProblemsOnly);
    connect(m_Export, &QToolButton::clicked, this, &EpisodeDock::ExportContactSheet);
    connect(m_List, &QListView::activated, this, &EpisodeDock::Activated);
    connect(m_List->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { CurrentChanged(current); });
    connect(m_Model, &EpisodeModel::thumbnailProgress, this, &EpisodeDock::Progress);
    connect(m_Model, &EpisodeModel::mapChanged, this, &EpisodeDock::UpdateNote);
    connect(m_Model, &QAbstractItemModel::modelReset, this, &EpisodeDock::UpdateNote);
    UpdateTitle();
    UpdateNote();
}

IoResult EpisodeDock::ShowFolder(const QString& folder, int episode) {
    const IoResult shown = m_Model->SetFolder(folder, episode);
    UpdateTitle();
    UpdateNote();
    if (m_Filter->rowCount() > 0)
        m_List->setCurrentIndex(m_Filter->index(0, 0));
    return shown;
}

bool EpisodeDock::HasFolder() const {
    return !m_Model->Folder().isEmpty();
}

int EpisodeDock::SelectedNumber() const {
    const QModelIndex current = m_List->currentIndex();
    return current.isValid() ? current.data(EpisodeModel::NumberRole).toInt() : 0;
}

void EpisodeDock::UpdateTitle() {
    setWindowTitle(HasFolder() ? tr("Episode %1: %2")
                                     .arg(m_Model->Episode())
                                     .arg(QDir::toNativeSeparators(m_Model->Folder()))
                               : tr("Episode"));
}

// What the list cannot show: how to fill it, what the folder left aside,
// and findings about a world map the folder lacks.
void EpisodeDock::UpdateNote() {
    QStringList lines;
    if (!HasFolder())
        lines << tr("File, Open Episode Folder shows the levels of a folder here.");
    if (!m_Model->FolderNote().isEmpty())
        lines << m_Model->FolderNote();
    for (const Finding& finding : m_Model->FolderFindings())
        lines << finding.message;
    m_Note->setText(lines.join(QLatin1Char('\n')));
    m_Note->setVisible(!lines.isEmpty());
    m_Export->setEnabled(HasFolder());
}

// Typing the word "problems" asks for the levels with problems, as the
// box does; anything else narrows by number or name.
void EpisodeDock::FilterTyped(const QString& text) {
    const bool problems = text.trimmed().compare(tr("problems"), Qt::CaseInsensitive) == 0;
    m_Filter->SetText(problems ? QString() : text.trimmed());
    m_Filter->SetProblemsOnly(problems || m_ProblemsOnly->isChecked());
}

void EpisodeDock::Progress(int done, int total) {
    m_Progress->setRange(0, total);
    m_Progress->setValue(done);
    m_Progress->setVisible(done < total);
}

void EpisodeDock::Activated(const QModelIndex& index) {
    if (index.isValid())
        emit levelActivated(index.data(EpisodeModel::FilePathRole).toString());
}

void EpisodeDock::CurrentChanged(const QModelIndex& current) {
    emit levelSelected(current.isValid() ? current.data(EpisodeModel::NumberRole).toInt() : 0);
}

void EpisodeDock::ExportContactSheet() {
    if (!HasFolder())
        return;
    const QString path = FileDialogs::ChooseFileToSave(
        this, tr("Export Contact Sheet"), m_Model->Folder(),
        QStringLiteral("episode%1.png").arg(m_Model->Episode()), tr("PNG Pictures|*.png"));
    if (path.isEmpty())
        return;
    const IoResult written = m_Model->ExportContactSheet(path);
    if (!written)
        Prompts::Current().Message(this, written.error, QString(), Prompts::Buttons::Ok,
                                   Prompts::Icon::Exclamation);
}
