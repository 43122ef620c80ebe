// List box of text lines: a list view over a vector of strings, so that tens of thousands of lines
// fill in one step and the program can select lines without starting the user's handlers.
#pragma once

#include <QListView>
#include <QStringList>

namespace platform {

class ListBoxModel;

class ListBox : public QListView
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    // Appends the lines in one model change; the fillers build their lines first and add them here.
    void AddItems(QStringList lines);
    void AddItem(const QString &line);
    // Removes the first `count` lines (all of them when there are fewer).
    void RemoveFirst(int count);
    // Removes every line; the list is then without a selection (ListIndex -1).
    void Clear();

    int ListCount() const;
    // The text of line i (0-based); an empty text outside 0..ListCount()-1.
    QString List(int i) const;

    // The selected line, -1 when none. Setting it selects that line and scrolls it into view (or
    // on show, when the list is hidden); -1 or an index outside the list leaves no selection.
    // Setting it never emits Click: only the user's own actions do.
    int ListIndex() const;
    void setListIndex(int i);

    // The first visible line, -1 when the list is empty. Setting it scrolls that line to the top,
    // as far as the scroll range allows; an index outside the list is ignored.
    int TopIndex();
    void setTopIndex(int i);

signals:
    // The user pressed a mouse button in the list (after the press moved the selection), dragged the
    // selection to another line with the button held, or pressed a key that moved the selected line.
    // Never emitted for the program's own changes.
    void Click();
    // The user double-clicked a line.
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;

private:
    ListBoxModel *m_model;
};

} // namespace platform
