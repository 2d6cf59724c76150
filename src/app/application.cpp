#include "app/application.h"

#include <QApplication>

namespace lexorama::app {

int runApplication(int argc, char **argv)
{
    QApplication application(argc, argv);
    return 0;
}

} // namespace lexorama::app
