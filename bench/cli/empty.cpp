// The floor of start-up: a C++ program that links libstdc++ and does nothing.
#include <string>

int main(int argc, char **)
{
    std::string nothing(static_cast<std::size_t>(argc - 1), ' ');
    return static_cast<int>(nothing.size());
}
