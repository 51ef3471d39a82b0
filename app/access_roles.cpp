#include "access_roles.h"

#include "app/journal_window.h"
#include "build_constants.h"
#include "reports/summary_reports_window.h"

bool isFullAccessWord(const QString& word)
{
    return word == QLatin1String(build::kWordFullLong) || word == QLatin1String(build::kWordFullShort);
}

QString masterWord()
{
    return QString::fromLatin1(build::kWordMaster);
}

Role roleOfWord(const QString& typed)
{
    const QString word = typed.trimmed();
    if (word == QLatin1String(build::kWordPlanner))
        return Role::Planner;
    if (word == QLatin1String(build::kWordMaster))
        return Role::Master;
    if (word == QLatin1String(build::kWordWarehouse))
        return Role::Warehouse;
    if (isFullAccessWord(word))
        return Role::Full;
    return Role::Refused;
}

void applyRole(Role role, TForm1& j, TForm18& r)
{
    auto disable = [](std::initializer_list<QWidget*> widgets) {
        for (QWidget* w : widgets)
            w->setEnabled(false);
    };
    auto disableMenus = [&j] {
        j.N2->menuAction()->setEnabled(false);
        j.N11->menuAction()->setEnabled(false);
    };
    switch (role) {
    case Role::Planner:
        disable({j.Button1, j.Button2, j.Button3, j.RadioButton1, j.RadioButton2, j.RadioButton3, j.RadioButton4,
                 j.CBox1, j.Button8, j.DBGrid2, j.DateT});
        disableMenus();
        break;
    case Role::Master:
        disable({j.Button2, j.Button3, r.Button1, r.Button2, r.Button4, r.Button6});
        disableMenus();
        break;
    case Role::Warehouse:
        disable({j.Button1, j.Button2, j.Button3, r.Button1, r.Button2, r.Button4, r.Button6});
        disableMenus();
        r.RadioGroup1->setItemIndex(1);
        r.RadioGroup1->setEnabled(false);
        break;
    case Role::Full:
    case Role::Refused: break;
    }
}
