#ifndef CHARTBAR_H
#define CHARTBAR_H

#include <QWidget>

class ChartZoom;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QKeySequence;
class QToolButton;
class WaveformFrame;

// The strip under the recorder's chart: the zoom's buttons (fit, out, in), playing the selection,
// and the readouts of the cursor's time and of the selection's start, end and length, kept up to
// date while the cursor moves and the selection is dragged. The keys work while the keyboard is in
// the panel. Ctrl+L opens the selection for typing its start and end.
class ChartBar : public QWidget
{
    Q_OBJECT

public:
    // Placed under the frame, which it takes out of the row to put both in a column there.
    ChartBar(QWidget *panel, QBoxLayout *row, WaveformFrame *frame);
    // A control of the panel's own at the strip's far end.
    void addAtEnd(QWidget *widget);

protected:
    void changeEvent(QEvent *event) override;

signals:
    void playSelectionPressed();

private:
    void retranslate();
    QToolButton *addButton(QWidget *panel, const QString &name, const QKeySequence &keys);
    void addShortcut(QWidget *panel, const QKeySequence &keys, QToolButton *button);
    void showCursor();
    void showSelection();
    void updateButtons();
    void editSelection();
    void applyTypedSelection();

    WaveformFrame *m_frame;
    ChartZoom *m_zoom;
    QToolButton *m_fit;
    QToolButton *m_zoomOut;
    QToolButton *m_zoomIn;
    QToolButton *m_playSelection;
    QLabel *m_cursor;
    QLabel *m_selection;
    QLineEdit *m_selectionEdit;
};

#endif // CHARTBAR_H
