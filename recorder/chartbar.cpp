#include "chartbar.h"

#include "chartscale.h"
#include "chartzoom.h"
#include "timetext.h"
#include "waveformframe.h"
#include "waveformwidget.h"

#include <QBoxLayout>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolTip>
#include <QShortcut>
#include <QToolButton>

namespace {

const QKeySequence FitKeys(QStringLiteral("Ctrl+0"));
const QKeySequence ZoomOutKeys(QStringLiteral("Ctrl+-"));
const QKeySequence ZoomInKeys(QStringLiteral("Ctrl++"));
const QKeySequence ZoomInAltKeys(QStringLiteral("Ctrl+="));  // plus without Shift on many layouts
const QKeySequence PlaySelectionKeys(QStringLiteral("Shift+Space"));
const QKeySequence TypeSelectionKeys(QStringLiteral("Ctrl+L"));

QString withKeys(const QString &text, const QKeySequence &keys)
{
    return QStringLiteral("%1 (%2)").arg(text, keys.toString(QKeySequence::NativeText));
}

} // namespace

ChartBar::ChartBar(QWidget *panel, QBoxLayout *row, WaveformFrame *frame)
    : QWidget(panel), m_frame(frame), m_zoom(new ChartZoom(frame))
{
    setObjectName(QStringLiteral("chartBar"));
    setStyleSheet(QStringLiteral("QLabel, QToolButton { color: #858585; font-size: 11px; padding: 0px 2px; }"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_fit = addButton(panel, QStringLiteral("fit"), FitKeys);
    m_zoomOut = addButton(panel, QStringLiteral("zoomOut"), ZoomOutKeys);
    m_zoomIn = addButton(panel, QStringLiteral("zoomIn"), ZoomInKeys);
    m_playSelection = addButton(panel, QStringLiteral("playSelection"), PlaySelectionKeys);
    addShortcut(panel, ZoomInAltKeys, m_zoomIn);
    // The labels' texts say what they are, so that screen readers read them as they change.
    m_cursor = new QLabel(this);
    m_cursor->setObjectName(QStringLiteral("cursorReadout"));
    m_selection = new QLabel(this);
    m_selection->setObjectName(QStringLiteral("selectionReadout"));
    for (QLabel *label : {m_cursor, m_selection}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    }
    m_selectionEdit = new QLineEdit(this);
    m_selectionEdit->setObjectName(QStringLiteral("selectionEdit"));
    m_selectionEdit->hide();
    layout->addWidget(m_selectionEdit, 1);
    layout->addStretch(1);
    auto *typeSelection = new QShortcut(TypeSelectionKeys, panel);
    typeSelection->setContext(Qt::WidgetWithChildrenShortcut);
    connect(typeSelection, &QShortcut::activated, this, &ChartBar::editSelection);
    connect(m_selectionEdit, &QLineEdit::editingFinished, this, &ChartBar::applyTypedSelection);

    connect(m_fit, &QToolButton::clicked, m_zoom, &ChartZoom::fit);
    connect(m_zoomOut, &QToolButton::clicked, m_zoom, &ChartZoom::zoomOut);
    connect(m_zoomIn, &QToolButton::clicked, m_zoom, &ChartZoom::zoomIn);
    connect(m_playSelection, &QToolButton::clicked, this, &ChartBar::playSelectionPressed);
    connect(m_zoom, &ChartZoom::zoomChanged, this, &ChartBar::updateButtons);
    WaveformWidget *chart = frame->waveformWidget();
    connect(chart, &WaveformWidget::cursorChanged, this, &ChartBar::showCursor);
    connect(chart, &WaveformWidget::selectionChanged, this, &ChartBar::showSelection);

    // The strip takes the room of the panel's bottom margin, so that the chart keeps its height.
    QMargins margins = row->contentsMargins();
    margins.setBottom(0);
    row->setContentsMargins(margins);
    const int index = row->indexOf(frame);
    const int stretch = row->stretch(index);
    delete row->takeAt(index);
    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(frame, 1);
    column->addWidget(this);
    row->insertLayout(index, column, stretch);
    retranslate();
}

void ChartBar::addAtEnd(QWidget *widget)
{
    widget->setParent(this);
    layout()->addWidget(widget);
}

QToolButton *ChartBar::addButton(QWidget *panel, const QString &name, const QKeySequence &keys)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setAutoRaise(true);
    layout()->addWidget(button);
    addShortcut(panel, keys, button);
    return button;
}

// The keys work while the keyboard is anywhere in the panel, as its Space does.
void ChartBar::addShortcut(QWidget *panel, const QKeySequence &keys, QToolButton *button)
{
    auto *shortcut = new QShortcut(keys, panel);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
}

void ChartBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ChartBar::retranslate()
{
    const struct {
        QToolButton *button;
        QString text;
        QString name;
        QKeySequence keys;
    } buttons[] = {
        {m_fit, tr("全部"), tr("显示整段录音"), FitKeys},
        {m_zoomOut, QStringLiteral("−"), tr("缩小"), ZoomOutKeys},
        {m_zoomIn, QStringLiteral("+"), tr("放大"), ZoomInKeys},
        {m_playSelection, tr("播放选区"), tr("播放选区"), PlaySelectionKeys},
    };
    for (const auto &entry : buttons) {
        entry.button->setText(entry.text);
        entry.button->setAccessibleName(entry.name);
        entry.button->setToolTip(withKeys(entry.name, entry.keys));
    }
    m_zoomIn->setToolTip(m_zoomIn->toolTip() + "\n" + tr("Ctrl+滚轮：在鼠标处缩放"));
    m_selectionEdit->setAccessibleName(tr("输入选区"));
    m_selectionEdit->setToolTip(tr("开始和结束时间，例如 0:01:02.500 – 0:01:05 (%1)").arg(TypeSelectionKeys.toString(QKeySequence::NativeText)));
    m_selection->setToolTip(m_selectionEdit->toolTip());
    showCursor();
    showSelection();
    updateButtons();
}

// The selection's times in place of its readout, ready to be typed over.
void ChartBar::editSelection()
{
    const WaveformWidget *chart = m_frame->waveformWidget();
    const qint64 start = ChartScale::wholeMs(chart->selectionStart() * 1000);
    const qint64 end = ChartScale::wholeMs(chart->selectionEnd() * 1000);
    m_selectionEdit->setText(chart->hasSelection() ? TimeText::of(start) + " – " + TimeText::of(end)
                                                   : TimeText::of(chart->cursorMs()) + " – ");
    m_selection->hide();
    m_selectionEdit->show();
    m_selectionEdit->setFocus(Qt::ShortcutFocusReason);
}

// Two times apart from each other by a dash or spaces select that span; anything else is said and
// stays to be corrected, while leaving the field drops it.
void ChartBar::applyTypedSelection()
{
    if (m_selectionEdit->isHidden())
        return;
    const QStringList parts = m_selectionEdit->text().split(QRegularExpression(QStringLiteral("\\s*[–-]\\s*|\\s+")),
                                                            Qt::SkipEmptyParts);
    const double from = parts.size() == 2 ? TimeText::parse(parts[0]) : -1;
    const double to = parts.size() == 2 ? TimeText::parse(parts[1]) : -1;
    const bool valid = from >= 0 && to >= 0;
    const bool entered = m_selectionEdit->hasFocus();
    if (!valid && entered) {
        QToolTip::showText(m_selectionEdit->mapToGlobal(QPoint(0, 0)), m_selectionEdit->toolTip(), m_selectionEdit);
        return;
    }
    WaveformWidget *chart = m_frame->waveformWidget();
    if (valid)
        chart->selectSeconds(qMin(from, to), qMax(from, to));
    // Hiding the field takes the keyboard from it, which finishes it once more: it is hidden by then.
    m_selectionEdit->hide();
    m_selection->show();
    if (entered)
        chart->setFocus(Qt::OtherFocusReason);
}

void ChartBar::showCursor()
{
    const QString time = TimeText::of(m_frame->waveformWidget()->cursorMs());
    m_cursor->setText(tr("光标 %1").arg(time));
    updateButtons();
}

void ChartBar::showSelection()
{
    const WaveformWidget *chart = m_frame->waveformWidget();
    // In whole milliseconds as the cursor's and the player's times are, so that the cursor at the
    // selection's start reads the same.
    const qint64 start = ChartScale::wholeMs(chart->selectionStart() * 1000);
    const qint64 end = ChartScale::wholeMs(chart->selectionEnd() * 1000);
    m_selection->setText(chart->hasSelection() ? tr("选区 %1 – %2，长 %3")
                                                     .arg(TimeText::of(start), TimeText::of(end), TimeText::of(end - start))
                                               : tr("无选区"));
    m_playSelection->setEnabled(chart->hasSelection());
}

void ChartBar::updateButtons()
{
    m_zoomIn->setEnabled(m_zoom->canZoomIn());
    m_zoomOut->setEnabled(m_zoom->canZoomOut());
}
