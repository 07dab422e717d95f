#pragma once

// Ends the program. The real one leaves the event loop; the test one records the request.
class Quitter {
public:
    virtual ~Quitter() = default;
    virtual void quit(int exitCode) = 0;
};
