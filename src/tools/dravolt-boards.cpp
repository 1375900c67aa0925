// dravolt-boards: see BoardsCommand.h.
#include "tools/BoardsCommand.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return RunBoardsCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, SystemTime());
}
