#pragma once

#include <QDate>
#include <QString>

class TDataModule6;

// Keeps one timesheet day cell (accounts_dep.h_tabel.dN) equal to the hours
// its journal holds for one worker, date and key, after a journal row was
// saved or deleted. Each step holds a lock on its key, so that two clients
// creating the same worker's row for a month end with one row.
namespace upkeep {

// A cell fed by the shift journal: worker, shift 1..4, date.
struct ShiftCell {
    qint64 worker = 0;
    int shift = 1;
    QDate date;
};

// A cell fed by the utility-work journal: worker, operation kind (7777,
// 7778, 7782), night flag, nomenclature group, date.
struct UtilityCell {
    qint64 worker = 0;
    qint64 kind = 0;
    int night = 0;
    qint64 group = 0;
    QDate date;
};

// After a save: the cell gets the journal's hours; the row is inserted when
// the worker has none for that key and month.
void afterSave(TDataModule6& data, const ShiftCell& cell);
void afterSave(TDataModule6& data, const UtilityCell& cell);

// After a delete, or for the cell an edited row left: the cell gets the
// hours left (0 when none); a missing timesheet row stays missing.
void afterDelete(TDataModule6& data, const ShiftCell& cell);
void afterDelete(TDataModule6& data, const UtilityCell& cell);

}   // namespace upkeep
