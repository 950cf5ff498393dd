// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.distributed.IRemoteProcedureWrapper;

// The running application: its configuration, location, main program and
// the remote programs and database it reaches.
public class Application {
  public static String getSchema(ModelContext context, int remoteHandle, String dataSource) {
    return "";
  }
  public static void QNLocalException(ModelContext context, int remoteHandle, String where,
                                      java.sql.SQLException e) {}
  public static Object realMainProgram;
  public static Object mainApplet;

  public static void init(Class<?> configuration) {}
  // The configuration, without starting the application (a web panel's context).
  public static void init(Class<?> configuration, boolean start) {}
  // The menu bar of a panel that names none.
  public static QNMenuBar getDefaultMenuBar(Object program) { return null; }
  public static void setCurrentLocation(String location) {}
  public static void cleanup(ModelContext context, Object program, int remoteHandle) {}
  public static IRemoteProcedureWrapper getRemoteProcedure(ModelContext context, int remoteHandle,
                                                          String program, String location) {
    return null;
  }
  public static String getQNDBHost(ModelContext context, int remoteHandle) { return ""; }
  public static boolean isRemoteQNDB(ModelContext context, int remoteHandle) { return false; }
  // The database commands; the store is named by its DBMS or its name.
  public static void commit(ModelContext context, int remoteHandle, String store) {}
  public static void rollback(ModelContext context, int remoteHandle, String store) {}
  // The prepared statements of every cursor, dropped before tables change.
  public static void dropPreparedCursors(ModelContext context, int remoteHandle) {}
}
