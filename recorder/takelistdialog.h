#ifndef TAKELISTDIALOG_H
#define TAKELISTDIALOG_H

#include "takelist.h"

#include <QDialog>
#include <QString>

class RecorderSession;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The takes in the folder the recorder writes into, with their date, length and size: one is opened
// as the current take, renamed in place or moved to the trash, its versions going with it. The
// current take and the one recording can be neither renamed nor removed.
class TakeListDialog : public QDialog
{
    Q_OBJECT

public:
    TakeListDialog(RecorderSession *session, QWidget *parent);

    // The take selected in the list; empty when none is.
    QString selectedPath() const;
    void select(const QString &path);
    void openSelected();
    // Starts editing the selected take's name; the rename happens when the edit ends.
    void renameSelected();
    void trashSelected();

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildLayout();
    void connectParts();
    void refresh();
    void fill(QTreeWidgetItem *item, const TakeList::Take &take);
    void updateActions();
    QString whyNotRenamed(const QString &path) const;
    QString whyNotTrashed(const QString &path) const;
    QString whyNotOpened(const QString &path) const;
    void onEdited(QTreeWidgetItem *item, int column);
    void retranslate();

    RecorderSession *m_session;
    QString m_folder;
    QLabel *m_place;
    QTreeWidget *m_list;
    QPushButton *m_open;
    QPushButton *m_rename;
    QPushButton *m_trash;
    QPushButton *m_close;
};

#endif // TAKELISTDIALOG_H
