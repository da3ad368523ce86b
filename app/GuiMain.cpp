#include "ui/window/ProgramStart.h"

int main(int argc, char** argv) {
    return varnel::RunConverter(argc, argv);
}
