// The called report as its own generation writes its entry: a holder per
// parameter.
import com.quenora.*;

public final class rsubtot extends QNProcedure {
  public rsubtot(int remoteHandle, ModelContext context) {
    super(remoteHandle, context, "");
  }

  public void execute(QNInt aP0) {}
}
