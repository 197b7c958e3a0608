// Shadows <cpuid.h> for the core: see cmake/layers.cmake.
#error "The core includes no operating-system or toolkit header: it reaches the machine through platform/ and the window through ui/."
