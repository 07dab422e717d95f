#pragma once

class Contexte;

// Registers every window of the program with the context's form registry.
void registerForms(Contexte& contexte);

// The program's entry sequence: the second-copy question, the screen resolution check and the
// splash. Returns false when the program must end at once.
bool Main(Contexte& contexte);
