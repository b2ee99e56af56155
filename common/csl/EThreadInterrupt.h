#pragma once

// Ends a library thread quietly; thrown inside the thread by its interrupt call and caught
// only by the thread's body runner. Deliberately outside the EGeneric family.
class EThreadInterrupt {};
