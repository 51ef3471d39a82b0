#include "worker_detail_report.h"

TForm20* Form20 = nullptr;

TForm20::TForm20(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form20"));
    setCaption(QStringLiteral("Детальный отчет по рабочим"));
}
