#include "app/Program.h"

int main(int argc, char **argv)
{
    return orvan::app::runProgram(argc, argv);
}
