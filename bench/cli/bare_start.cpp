// The smallest Qt program there is: what any Qt command costs to start and end.
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return 0;
}
