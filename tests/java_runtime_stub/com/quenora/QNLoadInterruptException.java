// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// Thrown when a subfile's load is interrupted.
public class QNLoadInterruptException extends Exception {}
