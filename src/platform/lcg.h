#pragma once
// The C runtime's classic pseudo-random generator: values 0..32767, initial
// seed 1, so random orders repeat from one run of the program to the next.
namespace folio {

int Rand();
void Srand(unsigned seed);

}  // namespace folio
