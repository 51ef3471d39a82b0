#pragma once

#include "../db/data_set.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <optional>

namespace pf {

// Connects a data set to the grids that show it.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(DataSet* dataSet = nullptr, QObject* parent = nullptr) : QObject(parent), dataSet_(dataSet) { }
    DataSet* dataSet() const { return dataSet_; }
    void setDataSet(DataSet* dataSet) { dataSet_ = dataSet; }

private:
    QPointer<DataSet> dataSet_;
};

// One column of a grid: the field it shows and how.
struct GridColumn {
    QString field;
    QString title;
    int width = 0;   // 0: fit the contents
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool visible = true;
    bool bold = false;
    QColor color;   // invalid: the default text colour
};

// Font and colours of one cell, decided by a grid's cell-drawing hook.
struct CellStyle {
    QFont font;
    QColor foreground;
    QColor background;
};

// The row a cell belongs to, for reading its other fields.
class GridRow {
public:
    GridRow(DataSet* dataSet, int index) : dataSet_(dataSet), index_(index) { }
    Field fieldByName(const QString& name) const { return dataSet_->fieldAt(index_, name); }
    int index() const { return index_; }

private:
    DataSet* dataSet_;
    int index_;
};

using DrawCellHook = std::function<void(const GridColumn& column, const GridRow& row, CellStyle& style)>;

// Table model over a data set's visible rows and a list of grid columns.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(QObject* parent = nullptr);

    void setDataSet(DataSet* dataSet);
    DataSet* dataSet() const { return dataSet_; }
    void setColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& columns() const { return columns_; }
    void setDrawCellHook(DrawCellHook hook) { hook_ = std::move(hook); }
    void setBaseFont(const QFont& font) { baseFont_ = font; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    CellStyle styleOf(int row, int column) const;
    QString textOf(int row, int column) const;

private:
    void reload();
    QPointer<DataSet> dataSet_;
    QVector<GridColumn> columns_;
    QVector<int> fieldOf_;
    QMetaObject::Connection rowsConnection_;
    DrawCellHook hook_;
    QFont baseFont_;
};

// A read-only grid over a data source: whole-row selection that follows the
// data set's cursor both ways, bold centred titles, a cell-drawing hook.
class DbGrid : public QTableView {
    Q_OBJECT
public:
    explicit DbGrid(QWidget* parent = nullptr);

    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return source_; }
    void setColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& columns() const { return model_->columns(); }
    void setDrawCellHook(DrawCellHook hook) { model_->setDrawCellHook(std::move(hook)); }
    DataSetModel* gridModel() const { return model_; }

signals:
    void rowDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void bind();
    void followCursor();
    void applyColumns();

    DataSetModel* model_;
    QPointer<DataSource> source_;
    QMetaObject::Connection scrollConnection_, resetConnection_;
    bool syncing_ = false;
};

}   // namespace pf
