#pragma once

namespace varnik {

// The busy cursor for the length of a step that holds the event loop.
class BusyCursor {
public:
    BusyCursor() { show(); }
    ~BusyCursor() { hide(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // For owners that cannot be scoped (a step begun and ended by calls); calls pair up.
    static void show();
    static void hide();

    // Steps aside for its length, while a message waits for an answer.
    class Aside {
    public:
        Aside() { hide(); }
        ~Aside() { show(); }
        Aside(const Aside&) = delete;
        Aside& operator=(const Aside&) = delete;
    };
};

} // namespace varnik
