#include "takelistdialog.h"

#include "clipeditor.h"
#include "clipprompts.h"
#include "recordersession.h"
#include "takespace.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { NameColumn, DateColumn, LengthColumn, SizeColumn };
const int PathRole = Qt::UserRole;

QString lengthText(qint64 ms)
{
    if (ms < 0)
        return QStringLiteral("–");
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString absolute(const QString &path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

} // namespace

TakeListDialog::TakeListDialog(RecorderSession *session, QWidget *parent)
    : QDialog(parent), m_session(session), m_folder(TakeSpace::nextTakeFolder()), m_place(new QLabel(this)),
      m_list(new QTreeWidget(this)), m_open(new QPushButton(this)), m_rename(new QPushButton(this)),
      m_trash(new QPushButton(this)), m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("takeListDialog"));
    buildLayout();
    connectParts();
    retranslate();
    refresh();
    const QFontMetrics metrics = fontMetrics();
    const QSize room = (parent ? parent->screen() : screen())->availableGeometry().size() * 9 / 10;
    resize(QSize(metrics.averageCharWidth() * 80, metrics.height() * 20).boundedTo(room));
}

void TakeListDialog::buildLayout()
{
    m_list->setColumnCount(4);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_place->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_place->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_open, m_rename, m_trash})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_close);
    for (QPushButton *button : {m_open, m_rename, m_trash, m_close})
        button->setAutoDefault(false);  // Enter opens the take chosen in the list, once
    m_open->setObjectName(QStringLiteral("openTake"));
    m_rename->setObjectName(QStringLiteral("renameTake"));
    m_trash->setObjectName(QStringLiteral("trashTake"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_place);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
}

void TakeListDialog::connectParts()
{
    connect(m_list, &QTreeWidget::itemActivated, this, &TakeListDialog::openSelected);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TakeListDialog::updateActions);
    connect(m_list, &QTreeWidget::itemChanged, this, &TakeListDialog::onEdited);
    connect(m_open, &QPushButton::clicked, this, &TakeListDialog::openSelected);
    connect(m_rename, &QPushButton::clicked, this, &TakeListDialog::renameSelected);
    connect(m_trash, &QPushButton::clicked, this, &TakeListDialog::trashSelected);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence::Delete, this), &QShortcut::activated, this, &TakeListDialog::trashSelected);
    // What may be done to a take changes as recording starts or stops and as another take is opened.
    connect(m_session, &RecorderSession::recordingChanged, this, &TakeListDialog::refresh);
    connect(m_session, &RecorderSession::versionRead, this, &TakeListDialog::refresh);
    connect(m_session->editor(), &ClipEditor::jobEnded, this, &TakeListDialog::updateActions);
}

void TakeListDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refresh();
    }
    QDialog::changeEvent(event);
}

void TakeListDialog::retranslate()
{
    setWindowTitle(tr("录音列表"));
    m_place->setText(tr("录音文件夹：%1").arg(QDir::toNativeSeparators(m_folder)));
    m_list->setHeaderLabels({tr("名称"), tr("录制时间"), tr("时长"), tr("大小")});
    m_list->setAccessibleName(tr("录音列表"));
    m_open->setText(tr("打开"));
    m_rename->setText(tr("重命名"));
    m_trash->setText(tr("移到回收站"));
    m_close->setText(tr("关闭"));
    m_close->setToolTip(tr("关闭 (Esc)"));
    for (QPushButton *button : {m_open, m_rename, m_trash, m_close})
        button->setAccessibleName(button->text());
}

void TakeListDialog::refresh()
{
    const QString selected = selectedPath();
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const TakeList::Take &take : TakeList::takes(m_folder))
            fill(new QTreeWidgetItem(m_list), take);
    }
    for (int column : {DateColumn, LengthColumn, SizeColumn})
        m_list->resizeColumnToContents(column);
    select(selected);
    updateActions();
}

void TakeListDialog::fill(QTreeWidgetItem *item, const TakeList::Take &take)
{
    const QLocale locale;
    const QString recording = absolute(m_session->recordingPath());
    item->setData(NameColumn, PathRole, take.path);
    item->setText(NameColumn, QFileInfo(take.path).completeBaseName());
    item->setToolTip(NameColumn, QDir::toNativeSeparators(take.path));
    item->setText(DateColumn, locale.toString(take.recorded, QStringLiteral("yyyy-MM-dd hh:mm")));
    item->setText(LengthColumn, take.path == recording ? tr("录音中") : lengthText(take.durationMs));
    item->setText(SizeColumn, locale.formattedDataSize(take.bytes));
    item->setTextAlignment(LengthColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
    const bool fixed = !whyNotRenamed(take.path).isEmpty();
    QFont font = item->font(NameColumn);
    font.setBold(take.path == absolute(m_session->editor()->session().takePath()));
    item->setFont(NameColumn, font);
    item->setFlags(fixed ? item->flags() & ~Qt::ItemIsEditable : item->flags() | Qt::ItemIsEditable);
}

QString TakeListDialog::selectedPath() const
{
    const QList<QTreeWidgetItem *> items = m_list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->data(NameColumn, PathRole).toString();
}

void TakeListDialog::select(const QString &path)
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_list->topLevelItem(i);
        if (item->data(NameColumn, PathRole).toString() == path) {
            m_list->setCurrentItem(item);
            return;
        }
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

// Why the take cannot be renamed; empty when it can. The current take can, while nothing works on it.
QString TakeListDialog::whyNotRenamed(const QString &path) const
{
    if (path == absolute(m_session->recordingPath()))
        return tr("正在录制这段录音，不能改名或移到回收站。");
    if (path == absolute(m_session->editor()->session().takePath()) && m_session->busy())
        return RecorderSession::renameWaitsText();
    return QString();
}

// Why the take cannot be moved to the trash; empty when it can.
QString TakeListDialog::whyNotTrashed(const QString &path) const
{
    if (path == absolute(m_session->recordingPath()))
        return tr("正在录制这段录音，不能改名或移到回收站。");
    if (path == absolute(m_session->editor()->session().takePath()))
        return tr("这是当前的录音，不能移到回收站；先打开另一段录音。");
    return QString();
}

// Why the take cannot be opened now; empty when it can. Opening the current take again would go
// back to its recording and lose the way back to its later versions.
QString TakeListDialog::whyNotOpened(const QString &path) const
{
    if (path == absolute(m_session->editor()->session().takePath()))
        return tr("这已是当前的录音。");
    if (m_session->isRecording())
        return tr("正在录音，停止后才能打开其他录音。");
    if (m_session->busy())
        return tr("剪切或导出进行中，完成或取消后才能打开其他录音。");
    return QString();
}

void TakeListDialog::updateActions()
{
    const QString path = selectedPath();
    const QString notOpened = path.isEmpty() ? QString() : whyNotOpened(path);
    const QString notRenamed = path.isEmpty() ? QString() : whyNotRenamed(path);
    const QString notTrashed = path.isEmpty() ? QString() : whyNotTrashed(path);
    m_open->setEnabled(!path.isEmpty() && notOpened.isEmpty());
    m_open->setToolTip(notOpened.isEmpty() ? tr("打开为当前录音 (Enter)") : notOpened);
    m_rename->setEnabled(!path.isEmpty() && notRenamed.isEmpty());
    m_rename->setToolTip(notRenamed.isEmpty() ? tr("重命名，剪切版本随之改名 (F2)") : notRenamed);
    m_trash->setEnabled(!path.isEmpty() && notTrashed.isEmpty());
    m_trash->setToolTip(notTrashed.isEmpty() ? tr("连同剪切版本移到回收站 (Delete)") : notTrashed);
}

void TakeListDialog::openSelected()
{
    const QString path = selectedPath();
    if (path.isEmpty() || !m_open->isEnabled())
        return;
    m_session->openTake(path);
    accept();
}

void TakeListDialog::renameSelected()
{
    if (m_rename->isEnabled())
        m_list->editItem(m_list->currentItem(), NameColumn);
}

void TakeListDialog::onEdited(QTreeWidgetItem *item, int column)
{
    const QString path = item->data(NameColumn, PathRole).toString();
    if (column != NameColumn || item->text(NameColumn) == QFileInfo(path).completeBaseName())
        return;
    QString error;
    const QString renamed = m_session->renameTake(path, item->text(NameColumn), &error);
    if (renamed.isEmpty()) {
        ClipPrompts::showFailure(this, tr("重命名"), error);
        const QSignalBlocker blocker(m_list);
        item->setText(NameColumn, QFileInfo(path).completeBaseName());
        return;
    }
    // The list is rebuilt once the editor has let go of the item.
    QMetaObject::invokeMethod(this, [this, renamed] {
        refresh();
        select(renamed);
    }, Qt::QueuedConnection);
}

void TakeListDialog::trashSelected()
{
    const QString path = selectedPath();
    if (path.isEmpty() || !m_trash->isEnabled())
        return;
    const int versions = TakeList::versionsOf(path).size();
    QString question = tr("把“%1”移到回收站吗？").arg(QFileInfo(path).fileName());
    if (versions > 0)
        question += QLatin1Char('\n') + tr("它的 %n 个剪切版本也一起移走。", nullptr, versions);
    if (!ClipPrompts::confirm(tr("移到回收站"), question))
        return;
    QString error;
    if (!TakeList::moveToTrash(path, &error))
        ClipPrompts::showFailure(this, tr("移到回收站"), error);
    refresh();
}
