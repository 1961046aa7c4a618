#include "first_expose.h"
#include "platform/display_choice.h"
#include "ui/built_in_resources.h"
#include "ui/dataform.h"
#include "ui/one_copy_per_page.h"
#include "ui/session_end.h"
#include "ui/stokfile1.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <filesystem>

// Starts the program as its entry does, but with its files in the given folder, and closes
// the main window as soon as it is shown, so that the whole close sequence runs.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: startup_driver FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    stocks::platform::ApplicationArguments arguments(argc, argv);
    QApplication application(arguments.count(), arguments.values());
    QApplication::setApplicationName(QStringLiteral("Morvane Stock"));
    const stocks::ProgramFiles files = stocks::programFilesFor(folder / "stocks");
    stocks::OneCopyPerPage oneCopy(files);
    if (oneCopy.anotherCopyRuns())
        return 5;
    stocks::registerBuiltInResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/program_icon.ico")));
    TForm1 form1(files);
    TForm2 form2;
    Form2 = &form2;
    oneCopy.bringToFrontOnRequest(form1);
    const stocks::SessionEnd sessionEnd(form1);
    const stocks::bench::FirstExpose closeWhenShown(form1, [&form1] { form1.close(); });
    form1.show();
    const int result = QApplication::exec();
    // Only a close sequence that ran to its end leaves the page file behind.
    if (result == 0 && !std::filesystem::exists(folder / "MorvaneStocks.html")) {
        std::fputs("startup_driver: the close sequence wrote no page file\n", stderr);
        return 4;
    }
    return result;
}
