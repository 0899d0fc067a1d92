// The command line program: everything it does lives in cli/.

#include "command.h"

int main(int argc, char **argv)
{
    return nusselt::cli::run(argc, argv);
}
