// A prompted object of the golden case trn_buttons (hand-written).
import com.quenora.*;

public final class typepick {
   public typepick(int remoteHandle, ModelContext context) {}
   public void execute(QNString... parameters) {}
}
