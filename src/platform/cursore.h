#pragma once

// The application-wide mouse pointer. Waiting does not nest: one call to normale()
// ends any number of calls to attesa().
class Cursore {
public:
    static void attesa();
    static void normale();
    static bool inAttesa();
};
