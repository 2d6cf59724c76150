#include "app/application.h"

int main(int argc, char **argv)
{
    return lexorama::app::runApplication(argc, argv);
}
