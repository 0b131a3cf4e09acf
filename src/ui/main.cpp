#include "ui/app/application.h"

int main(int argc, char** argv) { return strumbly::RunStrumbly(argc, argv); }
