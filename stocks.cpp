#include "core/program_files.h"
#include "platform/display_choice.h"
#include "ui/built_in_resources.h"
#include "ui/dataform.h"
#include "ui/one_copy_per_page.h"
#include "ui/session_end.h"
#include "ui/stokfile1.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char** argv)
{
    stocks::platform::ApplicationArguments arguments(argc, argv);
    QApplication application(arguments.count(), arguments.values());
    QApplication::setApplicationName(QStringLiteral("Morvane Stock"));
    // Ties the window to its desktop entry and menu icon (on Wayland, its app id).
    QApplication::setDesktopFileName(QStringLiteral("com.morvane.Stocks"));
    const stocks::ProgramFiles files =
        stocks::programFilesFor(QCoreApplication::applicationFilePath().toStdString());
    stocks::OneCopyPerPage oneCopy(files);
    if (oneCopy.anotherCopyRuns())
        return 0;
    stocks::registerBuiltInResources();
    QApplication::setWindowIcon(QIcon(QPixmap(QStringLiteral(":/program_icon.ico"), "ico")));
    TForm1 form1(files);
    TForm2 form2;
    Form2 = &form2;
    oneCopy.bringToFrontOnRequest(form1);
    const stocks::SessionEnd sessionEnd(form1);
    form1.show();
    return QApplication::exec();
}
