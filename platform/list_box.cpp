#include "platform/list_box.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

namespace platform {

// The lines behind a list box; one row per line, read by the view and by screen readers alike.
class ListBoxModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_lines.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return m_lines.at(index.row());
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                               : Qt::NoItemFlags;
    }

    const QStringList &lines() const { return m_lines; }

    void append(QStringList lines)
    {
        if (lines.isEmpty())
            return;
        // Filling an empty list is one reset that takes the lines over without copying them.
        if (m_lines.isEmpty()) {
            beginResetModel();
            m_lines = std::move(lines);
            endResetModel();
            return;
        }
        const int first = static_cast<int>(m_lines.size());
        beginInsertRows(QModelIndex(), first, first + static_cast<int>(lines.size()) - 1);
        m_lines.append(std::move(lines));
        endInsertRows();
    }

    void removeFirst(int count)
    {
        count = qMin(count, static_cast<int>(m_lines.size()));
        if (count <= 0)
            return;
        beginRemoveRows(QModelIndex(), 0, count - 1);
        m_lines.remove(0, count);
        endRemoveRows();
    }

    void clear()
    {
        beginResetModel();
        m_lines.clear();
        endResetModel();
    }

private:
    QStringList m_lines;
};

ListBox::ListBox(QWidget *parent) : QListView(parent), m_model(new ListBoxModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A line wider than the box is cut at its edge, never shortened with an ellipsis.
    setTextElideMode(Qt::ElideNone);
    connect(this, &QAbstractItemView::doubleClicked, this, &ListBox::DblClick);
}

void ListBox::AddItems(QStringList lines)
{
    m_model->append(std::move(lines));
}

void ListBox::AddItem(const QString &line)
{
    m_model->append(QStringList{line});
}

void ListBox::RemoveFirst(int count)
{
    m_model->removeFirst(count);
}

void ListBox::Clear()
{
    m_model->clear();
}

int ListBox::ListCount() const
{
    return m_model->rowCount();
}

QString ListBox::List(int i) const
{
    return (i >= 0 && i < ListCount()) ? m_model->lines().at(i) : QString();
}

int ListBox::ListIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void ListBox::setListIndex(int i)
{
    // The current index moves with the selection, so that the arrow keys go on from this line.
    // Qt scrolls the new current line into view, at once or when the list is next shown.
    if (i >= 0 && i < ListCount())
        selectionModel()->setCurrentIndex(m_model->index(i), QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
}

int ListBox::TopIndex()
{
    if (ListCount() == 0)
        return -1;
    executeDelayedItemsLayout();
    const QModelIndex top = indexAt(QPoint(0, 0));
    return top.isValid() ? top.row() : 0;
}

void ListBox::setTopIndex(int i)
{
    if (i < 0 || i >= ListCount())
        return;
    executeDelayedItemsLayout();
    scrollTo(m_model->index(i), QAbstractItemView::PositionAtTop);
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    emit Click();
}

void ListBox::mouseMoveEvent(QMouseEvent *event)
{
    // A drag with the button held moves the selection under the mouse: each line it lands on is told
    // as a press is, so that the handlers keep the lists in step with the line of the release.
    const int before = ListIndex();
    QListView::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton && ListIndex() != before)
        emit Click();
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex &index,
                                                              const QEvent *event) const
{
    // A press below the last line leaves the selection alone, and Click has already told it; Qt 6.4
    // would clear it on the release, behind the handlers' back.
    if (!index.isValid() && event && event->type() == QEvent::MouseButtonRelease)
        return QItemSelectionModel::NoUpdate;
    return QListView::selectionCommand(index, event);
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = ListIndex();
    QListView::keyPressEvent(event);
    if (ListIndex() != before)
        emit Click();
}

} // namespace platform
