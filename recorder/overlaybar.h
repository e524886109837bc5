#ifndef OVERLAYBAR_H
#define OVERLAYBAR_H

#include <QFrame>

class QHBoxLayout;

// A bar that lies over the bottom of the waveform frame, hidden until it has something to say: its
// look, its row of parts, and its texts redone when the language changes.
class OverlayBar : public QFrame
{
    Q_OBJECT

public:
    OverlayBar(const QString &objectName, QWidget *parent);

protected:
    QHBoxLayout *row() const { return m_row; }
    // Sets the bar's texts in the current language; the subclass calls it once its parts exist.
    virtual void retranslate() = 0;
    void changeEvent(QEvent *event) override;

private:
    QHBoxLayout *m_row;
};

#endif // OVERLAYBAR_H
