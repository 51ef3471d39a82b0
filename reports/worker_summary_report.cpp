#include "worker_summary_report.h"

TForm16* Form16 = nullptr;

TForm16::TForm16(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form16"));
    setCaption(QStringLiteral("Отчет по рабочим"));
}
