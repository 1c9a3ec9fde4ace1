// vorlane: the course window. It takes no arguments; the application folder is
// the folder of this executable.

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return 0;
}
