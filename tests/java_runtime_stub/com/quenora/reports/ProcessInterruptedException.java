// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.reports;

public class ProcessInterruptedException extends Exception {
}
