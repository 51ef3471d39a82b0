#include "data_module.h"

#include "platform/ui/messages.h"

TDataModule6* DataModule6 = nullptr;

namespace {

// Month total of the day cells: (coalesce(d1,0)+...+coalesce(d31,0)).
QString monthTotal()
{
    QStringList terms;
    for (int d = 1; d <= 31; ++d)
        terms << QStringLiteral("coalesce(d%1,0)").arg(d);
    return QLatin1Char('(') + terms.join(QLatin1Char('+')) + QLatin1Char(')');
}

pf::Query* makeQuery(QObject* owner, pf::Connection* db, const char* name, const QString& sql = {})
{
    auto* q = new pf::Query(owner);
    q->setObjectName(QString::fromLatin1(name));
    q->setConnection(db);
    if (!sql.isEmpty())
        q->setSql(sql);
    return q;
}

pf::Command* makeCommand(QObject* owner, pf::Connection* db, const char* name, const QString& sql = {})
{
    auto* c = new pf::Command(owner);
    c->setObjectName(QString::fromLatin1(name));
    c->setConnection(db);
    if (!sql.isEmpty())
        c->setCommandText(sql);
    return c;
}

}   // namespace

QString TDataModule6::shiftSql(int shift)
{
    if (shift != 2 && shift != 3 && shift != 4)
        return QStringLiteral(
            "select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id,  smena.cena,"
            "person.s_caption fio, izdel.marka, vid_oper.vid, (SELECT (CASE naimen WHEN 0 THEN "
            "'Готовая продукция' ELSE 'Заготовки' END)) as nmn, oper.naimen,  smena.brak, "
            "smena.kol_vo::numeric, round((kol_vo-brak)*smena.cena::numeric, 2) as summa, smena.prize, "
            "color,time, smena.ok, vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, "
            "smena.id_gds_use, smena.id_cons_use\n"
            "from cmn_contractor.person person, accounts_dep.izdel,accounts_dep.oper,accounts_dep.smena,"
            "accounts_dep.vid_oper\n"
            "where smena.i_id=izdel.id and smena.o_id=oper.id and (w_id=person.id or s_code::t_id=w_id) and  "
            "oper.vid=vid_oper.id and smena.smena=1 and smena.data=:data and ok!=:ok order by  fio, "
            "izdel.marka, vid_oper.vid, oper.naimen, color");
    return QStringLiteral(
               "select smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id,  smena.cena, s_caption fio, "
               "izdel.marka, vid_oper.vid, (SELECT (CASE naimen WHEN 0 THEN 'Готовая продукция' ELSE "
               "'Заготовки' END)) as nmn, oper.naimen, smena.kol_vo::numeric, smena.brak,  "
               "round((kol_vo-brak)*smena.cena::numeric, 2) as summa, smena.prize, smena.id, "
               "color,time,smena.ok,vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, "
               "smena.id_gds_use, smena.id_cons_use\n"
               "from cmn_contractor.person person,accounts_dep.izdel,accounts_dep.oper,accounts_dep.smena,"
               "accounts_dep.vid_oper\n"
               "where smena.i_id=izdel.id and smena.o_id=oper.id and (w_id=person.id or s_code::t_id=w_id) and  "
               "oper.vid=vid_oper.id and smena.smena=%1 and smena.data=:data and ok<>:ok order by fio")
        .arg(shift);
}

QString TDataModule6::monthTimesheetSql(int shift)
{
    const QString s = monthTotal();
    return QStringLiteral("select person.s_caption fio, ") + s + QStringLiteral(" as summ, ") +
        QStringLiteral("case when ") + s + QStringLiteral("=0 then 0 else\n(sum(s.cena*(kol_vo-brak))/") + s +
        QStringLiteral(") end ::numeric(10,2) as average_price, sum(s.cena*(kol_vo-brak))::numeric(10,2) as "
                       "cena_all, h_tabel.* from accounts_dep.h_tabel, cmn_contractor.person, accounts_dep.smena s "
                       "where h_tabel.w_id=person.s_code::integer and h_tabel.smena=") +
        QString::number(shift) +
        QStringLiteral(" and month=:mnth and s.w_id = h_tabel.w_id and h_tabel.year=:yea and s.data >=:date1 and "
                       "s.data <:date2 group by person.s_caption,h_tabel.w_id,h_tabel.month,h_tabel.year,"
                       "h_tabel.smena,h_tabel.id order by fio");
}

TDataModule6::TDataModule6(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DataModule6"));
    ADO_DB = new pf::Connection(this);
    ADO_DB->setObjectName(QStringLiteral("ADO_DB"));

    Smena1 = makeQuery(this, ADO_DB, "Smena1", shiftSql(1));
    Smena2 = makeQuery(this, ADO_DB, "Smena2", shiftSql(2));
    Smena3 = makeQuery(this, ADO_DB, "Smena3", shiftSql(3));
    Smena4 = makeQuery(this, ADO_DB, "Smena4", shiftSql(4));
    for (pf::Query* q : shiftQueries()) {
        q->paramByName(QStringLiteral("data")).setDate(QDate::currentDate());
        q->paramByName(QStringLiteral("ok")).setText(QStringLiteral("ta"));
    }

    Workers = makeQuery(this, ADO_DB, "Workers", QStringLiteral("select * from accounts_dep.person order by fio"));
    Izdel = makeQuery(this, ADO_DB, "Izdel", QStringLiteral("select *  from accounts_dep.IZDEL order by marka"));
    Vid_oper = makeQuery(this, ADO_DB, "Vid_oper", QStringLiteral("select * from accounts_dep.VID_OPER order by vid"));
    Oper = makeQuery(
        this, ADO_DB, "Oper",
        QStringLiteral(
            "select izdel.MARKA, vid_oper.VID, oper.NAIMEN, i.s_caption  , (SELECT (CASE naimen WHEN 0 THEN "
            "'Готовая продукция' ELSE 'Заготовки' END)) as nmn, count(o_id) norma, min(price)::numeric cena, "
            "oper.id, oper.i_id, oper.VID as oper_vid  from accounts_dep.norm,accounts_dep.OPER,accounts_dep.IZDEL,"
            "accounts_dep.VID_OPER, cmn_classifier.item i where OPER.i_id=IZDEL.id and norm.o_id=oper.id and "
            "oper.vid=vid_oper.id and i.id =izdel.id_class_item group by izdel.MARKA, vid_oper.VID, oper.NAIMEN, "
            "oper.id, oper.i_id, oper.VID, i.s_caption   order by izdel.marka, vid_oper.vid, oper.naimen"));

    Oper_ins = makeCommand(this, ADO_DB, "Oper_ins",
                           QStringLiteral("insert into accounts_dep.oper(vid, naimen, i_id, cena_new)\n"
                                          "values (:oper_vid, :naimen, :i_id, :cena_new)"));
    Oper_ed = makeCommand(this, ADO_DB, "Oper_ed",
                          QStringLiteral("update accounts_dep.oper set vid=:oper_vid, naimen=:naimen,  i_id=:i_id, "
                                         "cena_new=:cena_new where id=:id"));
    Oper_del = makeCommand(this, ADO_DB, "Oper_del", QStringLiteral("delete from accounts_dep.oper where id=:id"));

    H_Tabel_1 = makeQuery(this, ADO_DB, "H_Tabel_1", monthTimesheetSql(1));
    H_Tabel_2 = makeQuery(this, ADO_DB, "H_Tabel_2", monthTimesheetSql(2));
    H_Tabel_3 = makeQuery(this, ADO_DB, "H_Tabel_3", monthTimesheetSql(3));

    Control = makeQuery(this, ADO_DB, "Control");
    DelSmena = makeCommand(this, ADO_DB, "DelSmena");
    H_Tabel_ins = makeCommand(this, ADO_DB, "H_Tabel_ins");
    SQL_exec = makeCommand(this, ADO_DB, "SQL_exec");
}

pf::Query* TDataModule6::shiftQuery(int shift) const
{
    switch (shift) {
    case 2: return Smena2;
    case 3: return Smena3;
    case 4: return Smena4;
    default: return Smena1;
    }
}

bool TDataModule6::CheckCount(const QString& sql, const QString& message)
{
    Control->close();
    Control->sql().clear();
    Control->sql().append(sql);
    Control->open();
    const bool found = Control->fieldByName(QStringLiteral("cnt")).asInteger() > 0;
    Control->close();
    if (found)
        pf::showError(message);
    return found;
}

QString TDataModule6::FixDelim(const QString& text)
{
    int at = text.indexOf(QLatin1Char(','));
    if (at < 0)
        at = text.indexOf(QLatin1Char('.'));
    if (at < 0)
        return text;
    if (Delim.isEmpty())
        Delim = QStringLiteral(".");
    QString out = text;
    out.replace(at, 1, Delim);
    return out;
}
