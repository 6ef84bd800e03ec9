#include "app/DemoApplication.h"

#include <iostream>

int main()
{
    return runDemo(std::cin, std::cout);
}
