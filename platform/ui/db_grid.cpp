#include "db_grid.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace pf {

DataSetModel::DataSetModel(QObject* parent) : QAbstractTableModel(parent) { }

void DataSetModel::setDataSet(DataSet* dataSet)
{
    if (dataSet_ == dataSet)
        return;
    beginResetModel();
    if (rowsConnection_)
        disconnect(rowsConnection_);
    dataSet_ = dataSet;
    if (dataSet_)
        rowsConnection_ = connect(dataSet_, &DataSet::rowsChanged, this, [this] {
            beginResetModel();
            reload();
            endResetModel();
        });
    reload();
    endResetModel();
}

void DataSetModel::setColumns(const QVector<GridColumn>& columns)
{
    beginResetModel();
    columns_ = columns;
    reload();
    endResetModel();
}

void DataSetModel::reload()
{
    fieldOf_.clear();
    for (const GridColumn& c : std::as_const(columns_))
        fieldOf_.append(dataSet_ && dataSet_->active() ? dataSet_->fieldIndex(c.field) : -1);
}

int DataSetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !dataSet_ || !dataSet_->active())
        return 0;
    return dataSet_->recordCount();
}

int DataSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_.size();
}

QString DataSetModel::textOf(int row, int column) const
{
    if (!dataSet_ || column < 0 || column >= fieldOf_.size() || fieldOf_[column] < 0)
        return QString();
    return displayText(dataSet_->value(row, fieldOf_[column]));
}

CellStyle DataSetModel::styleOf(int row, int column) const
{
    CellStyle style;
    style.font = baseFont_;
    const GridColumn& col = columns_[column];
    style.font.setBold(col.bold);
    style.foreground = col.color;
    if (hook_ && dataSet_) {
        // Painting cannot show an error box: a failing hook leaves the default style.
        try {
            hook_(col, GridRow(dataSet_, row), style);
        } catch (const std::exception&) {
        }
    }
    return style;
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !dataSet_ || !dataSet_->active())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole: return textOf(index.row(), index.column());
    case Qt::TextAlignmentRole: return QVariant::fromValue(columns_[index.column()].alignment);
    case Qt::FontRole: return styleOf(index.row(), index.column()).font;
    case Qt::ForegroundRole: {
        const QColor c = styleOf(index.row(), index.column()).foreground;
        return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::BackgroundRole: {
        const QColor c = styleOf(index.row(), index.column()).background;
        return c.isValid() ? QVariant(c) : QVariant();
    }
    default: return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section + 1;
        return {};
    }
    if (section < 0 || section >= columns_.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return columns_[section].title;
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::FontRole: {
        QFont f = baseFont_;
        f.setBold(true);
        return f;
    }
    default: return {};
    }
}

DbGrid::DbGrid(QWidget* parent) : QTableView(parent), model_(new DataSetModel(this))
{
    model_->setBaseFont(font());
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    QFont titleFont = horizontalHeader()->font();
    titleFont.setBold(true);
    horizontalHeader()->setFont(titleFont);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (syncing_ || !current.isValid())
            return;
        DataSet* ds = model_->dataSet();
        if (ds && ds->active() && ds->recNo() != current.row() + 1) {
            syncing_ = true;
            ds->setRecNo(current.row() + 1);
            syncing_ = false;
        }
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        applyColumns();
        followCursor();
    });
}

void DbGrid::setDataSource(DataSource* source)
{
    source_ = source;
    bind();
}

void DbGrid::bind()
{
    if (scrollConnection_)
        disconnect(scrollConnection_);
    DataSet* ds = source_ ? source_->dataSet() : nullptr;
    model_->setDataSet(ds);
    if (ds)
        scrollConnection_ = connect(ds, &DataSet::scrolled, this, &DbGrid::followCursor);
    applyColumns();
    followCursor();
}

void DbGrid::setColumns(const QVector<GridColumn>& columns)
{
    model_->setColumns(columns);
    applyColumns();
}

void DbGrid::applyColumns()
{
    const QVector<GridColumn>& cols = model_->columns();
    for (int i = 0; i < cols.size(); ++i) {
        setColumnHidden(i, !cols[i].visible);
        if (cols[i].width > 0)
            setColumnWidth(i, cols[i].width);
    }
}

void DbGrid::followCursor()
{
    if (syncing_)
        return;
    DataSet* ds = model_->dataSet();
    syncing_ = true;
    if (ds && ds->active() && ds->recNo() > 0) {
        const QModelIndex index = model_->index(ds->recNo() - 1, 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(index);
    } else {
        selectionModel()->clearSelection();
    }
    syncing_ = false;
}

void DbGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit rowDoubleClicked();
}

}   // namespace pf
