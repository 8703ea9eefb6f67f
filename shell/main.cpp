#include "shell/program.h"

int main(int argc, char** argv) {
    return psn::RunEditor(argc, argv);
}
