#pragma once
// Program entry: the application object, the four windows in their order, the loop.

int RunOrtalis(int argc, char** argv);
