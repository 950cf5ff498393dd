// The cursor class of the program's SELECT fP00132, which the program's end
// writes into its source from the embedded cursor; until it does, this
// stands in for it.
public class fP00132 extends com.quenora.db.driver.QNDBForwardSupplier {
  public fP00132(com.quenora.ModelContext context, int remoteHandle) { super(context, remoteHandle); }
  public void readNext() {}
}
