package com.demo.sample;

import com.quenora.*;

// The conversion program of INVLINE that qnrgzb runs, written by hand in an
// application.
public class p003 {
  public p003(int remoteHandle, ModelContext context) {}
  public void execute() {}
}
