#include "app/build_stamp.h"
#include "app/startup.h"

#include <QApplication>

// Compiled anew at every build, so each build carries its own stamp.
extern const char* const tabelBuildDate;
extern const char* const tabelBuildTime;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    app::installRussian();
    setBuildStampTexts(tabelBuildDate, tabelBuildTime);
    return app::run(QApplication::arguments().mid(1));
}
