#include "journal_fixture.h"

#include "platform/sql/sql_text.h"

using pf::sql::quote;

JournalFixture::JournalFixture(kit::TestDatabase& d) : db(d)
{
    auto id = [&](const QString& sql) { return db.scalar(sql).toInt(); };
    ivanov = id("insert into accounts_dep.person(fio, s_staffpos_hl) values ('Иванов И.И.', 'Формовщик') returning id");
    petrova = id("insert into accounts_dep.person(fio, s_staffpos_hl) values ('Петрова А.С.', 'Маляр') returning id");
    // A contractor known to the journal only by its code.
    db.exec("insert into cmn_contractor.person(id, s_caption, s_code) values (900001, 'Кодов К.К.', '900500')");
    codeOnly = 900500;
    group = id("insert into cmn_classifier.item(s_caption, b_excluded) values ('Кирпич', 0) returning id");
    product = id(QString("insert into cmn_gds_and_srv.gds_and_srv(s_caption, s_description, id_msm_bs, massa, "
                         "id_class_item) values ('КС-12', '', 6, 2.5, %1) returning id")
                     .arg(group));
    kind = id("insert into accounts_dep.vid_oper(vid) values ('Формовка') returning id");
    operation = id(QString("insert into accounts_dep.oper(vid, naimen, i_id, cena_new) values (%1, 0, %2, 0) "
                           "returning id")
                       .arg(kind)
                       .arg(product));
    db.exec(QString("insert into accounts_dep.norm(o_id, norma, prize, price) values (%1, 100, 0, 12.5), "
                    "(%1, 120, 5, 10)")
                .arg(operation));
    bareOperation = id(QString("insert into accounts_dep.oper(vid, naimen, i_id, cena_new) values (%1, 1, %2, 0) "
                               "returning id")
                           .arg(kind)
                           .arg(product));
}

int JournalFixture::addPosition(int workerId, const QDate& date, int shift, int hours, double quantity, int defects,
                                const QString& ok, int operationId)
{
    return db
        .scalar(QString("insert into accounts_dep.smena(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, "
                        "time, vvod, ok, prize, id_doc, id_doc_item, id_gds_use, id_cons_use, f_gds_qty_use) "
                        "values (%1, %2, %3, 12.5, %4, %5, to_date('%6', 'DD.MM.YYYY'), %7, 0, %8, now(), %9, 0, 0, "
                        "0, 0, 0, 0) returning id")
                    .arg(workerId)
                    .arg(product)
                    .arg(operationId < 0 ? operation : operationId)
                    .arg(pf::sql::number(quantity))
                    .arg(defects)
                    .arg(pf::sql::dateText(date))
                    .arg(shift)
                    .arg(hours)
                    .arg(quote(ok)))
        .toInt();
}
