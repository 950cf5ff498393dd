// The called program as its own generation writes its entry: a holder per
// parameter.
import com.quenora.*;

public final class pclearinv extends QNProcedure {
  public pclearinv(int remoteHandle, ModelContext context) {
    super(remoteHandle, context, "");
  }

  public void execute(QNInt aP0, QNInt aP1, QNInt aP2) {}
}
