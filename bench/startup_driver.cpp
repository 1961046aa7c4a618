#include "first_expose.h"
#include "ui/built_in_resources.h"
#include "ui/dataform.h"
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
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane Stock"));
    stocks::registerBuiltInResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/program_icon.ico")));
    TForm1 form1(stocks::programFilesFor(folder / "stocks"));
    TForm2 form2;
    Form2 = &form2;
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
